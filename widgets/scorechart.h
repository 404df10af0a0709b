#pragma once
// The Progress window's chart: the score of each stored test and the average of the last ten, over time.

#include <QDateTime>
#include <QWidget>

#include <vector>

// One stored test.
struct ScorePoint
{
    QDateTime when;
    int right = 0;
    int asked = 0;
};

class ScoreChart : public QWidget
{
    Q_OBJECT

public:
    explicit ScoreChart(QWidget* parent = nullptr);

    // The tests to draw, oldest first; only the last 100 are kept. The averages of the first kept tests still
    // take in the older tests before them, so a long history does not start with a made-up climb.
    void setTests(std::vector<ScorePoint> tests);
    const std::vector<ScorePoint>& tests() const { return m_tests; }
    // Per kept test, its score 0..1 (right of asked, 0 when nothing was asked), and the average of the scores of
    // the last up to 10 tests ending at it.
    std::vector<double> scores() const { return m_scores; }
    std::vector<double> averages() const { return m_averages; }

    // Where the point of test i is drawn, in widget coordinates; and the test whose point is nearest to pos
    // within a few pixels, -1 if none is.
    QPointF pointAt(int i) const;
    int testAt(QPoint pos) const;
    // What the tooltip over test i says: its date and time, its score and its length.
    QString tooltipText(int i) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF plotArea() const;
    QPointF pointIn(const QRectF& plot, int i, double value) const;

    std::vector<ScorePoint> m_tests;
    std::vector<double> m_scores;
    std::vector<double> m_averages;
    std::vector<QString> m_days; // DD/MM, the labels under the axis
};
