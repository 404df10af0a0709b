#include "scorechart.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t KEPT = 100;
constexpr std::size_t WINDOW = 10;
constexpr double DOT_RADIUS = 2.5;
constexpr double HIT_RADIUS = 6;

double scoreOf(const ScorePoint& test)
{
    return test.asked > 0 ? std::clamp(double(test.right) / test.asked, 0.0, 1.0) : 0.0;
}

// A blue and an orange that stay apart for colour-blind eyes, lighter on a dark background.
QColor scoreColour(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128 ? QColor(0x6c, 0xb4, 0xf0) : QColor(0x1f, 0x6f, 0xb4);
}

QColor averageColour(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128 ? QColor(0xff, 0xaa, 0x55) : QColor(0xe0, 0x6c, 0x00);
}

QString percent(int hundredths)
{
    //: A percentage, as the axis, the tooltips and the summary show it
    return QCoreApplication::translate("ScoreChart", "%1%").arg(hundredths);
}

} // namespace

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("Score over time"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScoreChart::setTests(std::vector<ScorePoint> tests)
{
    const std::size_t dropped = tests.size() > KEPT ? tests.size() - KEPT : 0;
    std::vector<double> all(tests.size());
    std::transform(tests.begin(), tests.end(), all.begin(), scoreOf);

    m_scores.assign(all.begin() + dropped, all.end());
    m_averages.clear();
    for (std::size_t i = dropped; i < all.size(); ++i) {
        const std::size_t first = i + 1 >= WINDOW ? i + 1 - WINDOW : 0;
        double sum = 0;
        for (std::size_t j = first; j <= i; ++j)
            sum += all[j];
        m_averages.push_back(sum / double(i + 1 - first));
    }
    tests.erase(tests.begin(), tests.begin() + dropped);
    m_tests = std::move(tests);
    m_days.clear();
    for (const ScorePoint& test : m_tests)
        m_days.push_back(test.when.toString(QStringLiteral("dd/MM")));

    if (m_tests.empty())
        setAccessibleDescription(tr("No stored tests yet."));
    else
        setAccessibleDescription(
            tr("%n tests. The last scored %1, the average of the last 10 is %2.", nullptr, int(m_tests.size()))
                .arg(percent(qRound(m_scores.back() * 100)), percent(qRound(m_averages.back() * 100))));
    update();
}

// Room on the left for the percentages, above for the legend and below for the dates, which start under the 0%
// label; half a date label on either side, so the first and last dates are never cut.
QRectF ScoreChart::plotArea() const
{
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    const double halfDate = metrics.horizontalAdvance(QStringLiteral("00/00")) / 2;
    const double left = std::max(metrics.horizontalAdvance(percent(100)) + line / 2, halfDate);
    const double top = line * 2;
    const double bottom = line * 1.75 + 2;
    return QRectF(left, top, std::max(1.0, width() - left - halfDate - line / 2),
                  std::max(1.0, height() - top - bottom));
}

// Tests stand evenly spaced in order, so that a day of many tests does not pile them up.
QPointF ScoreChart::pointIn(const QRectF& plot, int i, double value) const
{
    const double step = plot.width() / double(m_tests.size());
    return QPointF(plot.left() + step * (i + 0.5), plot.bottom() - value * plot.height());
}

QPointF ScoreChart::pointAt(int i) const
{
    return pointIn(plotArea(), i, m_scores[std::size_t(i)]);
}

int ScoreChart::testAt(QPoint pos) const
{
    if (m_tests.size() < 2)
        return -1;
    const QRectF plot = plotArea();
    int nearest = -1;
    double best = HIT_RADIUS * HIT_RADIUS;
    for (int i = 0; i < int(m_tests.size()); ++i) {
        const QPointF d = pointIn(plot, i, m_scores[std::size_t(i)]) - pos;
        const double distance = QPointF::dotProduct(d, d);
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

QString ScoreChart::tooltipText(int i) const
{
    const ScorePoint& test = m_tests[std::size_t(i)];
    const QString length = test.asked == 1 ? tr("Length: 1 word") : tr("Length: %1 words").arg(test.asked);
    return tr("%1\n%2 of %3 right (%4)\n%5")
        .arg(test.when.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")))
        .arg(test.right)
        .arg(test.asked)
        .arg(percent(qRound(m_scores[std::size_t(i)] * 100)))
        .arg(length);
}

QSize ScoreChart::sizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 13);
}

QSize ScoreChart::minimumSizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 8);
}

bool ScoreChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int test = testAt(help->pos());
        if (test >= 0) {
            QToolTip::showText(help->globalPos(), tooltipText(test), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void ScoreChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::Text);
    painter.setPen(text);
    const int n = int(m_tests.size());
    if (n < 2) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Nothing to draw yet: the chart needs two stored tests."));
        return;
    }

    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    const QRectF plot = plotArea();

    // The percentages and their gridlines; the 0% line is the axis the dates hang from.
    QColor grid = text;
    grid.setAlphaF(0.2);
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const double y = plot.bottom() - plot.height() * quarter / 4;
        painter.setPen(QPen(quarter == 0 ? text : grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - line / 2, plot.left() - line / 4, line), Qt::AlignRight | Qt::AlignVCenter,
                         percent(quarter * 25));
    }

    // A date under a test where the day changes and there is room after the last date drawn.
    double freeFrom = -1e9;
    const QString* lastDay = nullptr;
    for (int i = 0; i < n; ++i) {
        const QString& day = m_days[std::size_t(i)];
        const double x = pointIn(plot, i, 0).x();
        const double half = metrics.horizontalAdvance(day) / 2;
        if ((lastDay != nullptr && day == *lastDay) || x - half < freeFrom)
            continue;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line / 3));
        painter.drawText(QRectF(x - half, plot.bottom() + line / 2, half * 2, line), Qt::AlignCenter, day);
        freeFrom = x + half + metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
        lastDay = &day;
    }

    const QColor scoreInk = scoreColour(palette());
    const QColor averageInk = averageColour(palette());
    QPolygonF scores, averages;
    for (int i = 0; i < n; ++i) {
        scores << pointIn(plot, i, m_scores[std::size_t(i)]);
        averages << pointIn(plot, i, m_averages[std::size_t(i)]);
    }
    painter.setPen(QPen(scoreInk, 1));
    painter.drawPolyline(scores);
    painter.setPen(QPen(averageInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(averages);
    painter.setPen(Qt::NoPen);
    painter.setBrush(scoreInk);
    for (const QPointF& point : scores)
        painter.drawEllipse(point, DOT_RADIUS, DOT_RADIUS);

    // The legend, right-aligned above the plot.
    const QString scoreLabel = tr("Score"), averageLabel = tr("Average of the last 10");
    const double sample = line * 1.5, gap = line / 3, y = line * 0.75;
    double x = plot.right() - metrics.horizontalAdvance(averageLabel) - sample - gap;
    painter.setPen(QPen(averageInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x, y), QPointF(x + sample, y));
    painter.setPen(text);
    painter.drawText(QRectF(x + sample + gap, y - line / 2, plot.right() - x, line), Qt::AlignLeft | Qt::AlignVCenter,
                     averageLabel);
    x -= line + metrics.horizontalAdvance(scoreLabel) + gap + sample;
    painter.setPen(QPen(scoreInk, 1));
    painter.drawLine(QPointF(x, y), QPointF(x + sample, y));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(x + sample / 2, y), DOT_RADIUS, DOT_RADIUS);
    painter.setPen(text);
    painter.drawText(QRectF(x + sample + gap, y - line / 2, metrics.horizontalAdvance(scoreLabel) + 1, line),
                     Qt::AlignLeft | Qt::AlignVCenter, scoreLabel);
}
