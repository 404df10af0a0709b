#pragma once
// Watches for the window benchmarks: when a widget first paints, and how long the event loop is kept busy.

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>

// When a widget first began to paint while a condition held, in ms on the given clock; -1 before.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget* widget, const QElapsedTimer& clock, std::function<bool()> condition)
        : m_clock(clock), m_condition(std::move(condition))
    {
        widget->installEventFilter(this);
    }
    qint64 at = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (at < 0 && event->type() == QEvent::Paint && m_condition())
            at = m_clock.elapsed();
        return false;
    }

private:
    const QElapsedTimer& m_clock;
    std::function<bool()> m_condition;
};

// How late a 10 ms timer fires: the longest time the event loop was kept from it.
class LoopWatch
{
public:
    LoopWatch()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            worstMs = std::max(worstMs, (now - m_last) / 1e6 - 10.0);
            m_last = now;
        });
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double worstMs = 0;

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last;
};
