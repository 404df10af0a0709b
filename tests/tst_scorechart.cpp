#include "widgets/scorechart.h"

#include <QtTest>

#include <QToolTip>

Q_DECLARE_METATYPE(ScorePoint)

namespace {

const QDateTime START(QDate(2024, 3, 5), QTime(9, 7, 3));

// Tests of 10 words each, an hour apart, with these counts right.
std::vector<ScorePoint> tenWordTests(const QVector<int>& right)
{
    std::vector<ScorePoint> tests;
    for (int i = 0; i < right.size(); ++i)
        tests.push_back({START.addSecs(3600 * i), right[i], 10});
    return tests;
}

} // namespace

// The scores and averages the chart draws, where it draws them, and what its tooltips say.
class TestScoreChart : public QObject
{
    Q_OBJECT

private slots:
    // A tooltip left from the row before must not pass for this row's.
    void cleanup()
    {
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
    }
    void scores_andAveragesOfTheLastTen_data();
    void scores_andAveragesOfTheLastTen();
    void points_inOrderHigherScoreHigherFoundAgain();
    void tooltip_overAPointOnly_data();
    void tooltip_overAPointOnly();
};

void TestScoreChart::scores_andAveragesOfTheLastTen_data()
{
    QTest::addColumn<std::vector<ScorePoint>>("tests");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QVector<double>>("scores"); // of the first kept tests
    QTest::addColumn<QVector<double>>("averages");
    QTest::addRow("fewer than 10: average of all so far")
        << tenWordTests({5, 10, 0}) << 3 << QVector<double>{0.5, 1, 0} << QVector<double>{0.5, 0.75, 0.5};
    QTest::addRow("nothing asked scores 0, too many right scores 1")
        << std::vector<ScorePoint>{{START, 0, 0}, {START, 12, 10}} << 2 << QVector<double>{0, 1}
        << QVector<double>{0, 0.5};
    QVector<int> right(12, 10);
    right[10] = right[11] = 0;
    QTest::addRow("more than 10: the oldest leave the average")
        << tenWordTests(right) << 12 << QVector<double>(10, 1.0) + QVector<double>{0, 0}
        << QVector<double>(10, 1.0) + QVector<double>{0.9, 0.8};
    right = QVector<int>(105, 0);
    std::fill(right.begin(), right.begin() + 5, 10);
    QTest::addRow("more than 100 keeps the last, averaged with the dropped")
        << tenWordTests(right) << 100 << QVector<double>{0, 0} << QVector<double>{5.0 / 6, 5.0 / 7};
}

void TestScoreChart::scores_andAveragesOfTheLastTen()
{
    QFETCH(std::vector<ScorePoint>, tests);
    QFETCH(int, kept);
    QFETCH(QVector<double>, scores);
    QFETCH(QVector<double>, averages);
    ScoreChart chart;
    chart.setTests(tests);
    const std::vector<double> drawn = chart.scores(), averaged = chart.averages();
    QCOMPARE(int(chart.tests().size()), kept);
    QCOMPARE(chart.tests().back().when, tests.back().when);
    QVERIFY(drawn.size() == chart.tests().size() && averaged.size() == drawn.size());
    QCOMPARE(QVector<double>(drawn.begin(), drawn.begin() + scores.size()), scores);
    QCOMPARE(QVector<double>(averaged.begin(), averaged.begin() + averages.size()), averages);
}

void TestScoreChart::points_inOrderHigherScoreHigherFoundAgain()
{
    ScoreChart chart;
    chart.resize(560, 220);
    QVector<int> right;
    for (int i = 0; i < 100; ++i)
        right << (i * 7) % 11;
    chart.setTests(tenWordTests(right));
    for (int i = 0; i < 100; ++i) {
        const QPointF point = chart.pointAt(i);
        QVERIFY(chart.rect().contains(point.toPoint()));
        QCOMPARE(chart.testAt(point.toPoint()), i);
        QVERIFY(i == 0 || point.x() > chart.pointAt(i - 1).x());
        QVERIFY(i == 0 || (point.y() < chart.pointAt(i - 1).y()) == (right[i] > right[i - 1]));
    }
}

void TestScoreChart::tooltip_overAPointOnly_data()
{
    QTest::addColumn<QPoint>("offset"); // from the point of test 2
    QTest::addColumn<QString>("text");
    const QString third = QStringLiteral("05/03/2024 11:07:03\n8 of 10 right (80%)\nLength: 10 words");
    QTest::addRow("on the point") << QPoint(0, 0) << third;
    QTest::addRow("a few pixels off") << QPoint(2, -3) << third;
    QTest::addRow("far from any point") << QPoint(0, 40) << QString();
}

void TestScoreChart::tooltip_overAPointOnly()
{
    QFETCH(QPoint, offset);
    QFETCH(QString, text);
    ScoreChart chart;
    chart.resize(560, 220);
    chart.setTests(tenWordTests({10, 0, 8, 0, 10}));
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const QPoint pos = chart.pointAt(2).toPoint() + offset;
    QHelpEvent help(QEvent::ToolTip, pos, chart.mapToGlobal(pos));
    QApplication::sendEvent(&chart, &help);
    QTRY_COMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), text);
}

QTEST_MAIN(TestScoreChart)
#include "tst_scorechart.moc"
