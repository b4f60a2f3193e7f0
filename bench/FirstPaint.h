#pragma once

// What both start-up probes measure: the monotonic clock, and the first paint
// of any part of a window.

#include <QApplication>
#include <QWidget>
#include <ctime>
#include <functional>

inline long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Calls `painted` once, with the time, at the first paint of any part of
// `window`. Watched application-wide: a window covered by its children gets
// no paint event of its own.
class TFirstPaint : public QObject
{
public:
    TFirstPaint(QWidget *window, std::function<void(long long)> painted)
        : m_window(window), m_painted(std::move(painted))
    {
        qApp->installEventFilter(this);
    }
    ~TFirstPaint() override { qApp->removeEventFilter(this); }

    long long at() const { return m_at; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_at == 0 && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window) {
            m_at = monotonicNs();
            m_painted(m_at);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    std::function<void(long long)> m_painted;
    long long m_at = 0;
};
