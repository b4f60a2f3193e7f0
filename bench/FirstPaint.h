#pragma once

// What both start-up probes measure: the monotonic clock, and the first paint
// of any part of a window once it is on screen.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

inline long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Calls `painted` once, with the time, at the first paint of any part of
// `window` while it is on screen. Watched application-wide: a window covered
// by its children gets no paint event of its own.
class TFirstPaint : public QObject
{
public:
    TFirstPaint(QWidget *window, std::function<void(long long)> painted)
        : m_window(window), m_painted(std::move(painted))
    {
        qApp->installEventFilter(this);
        // A window that never gets on screen fails the run instead of
        // leaving the benchmark waiting.
        m_giveUp.setSingleShot(true);
        QObject::connect(&m_giveUp, &QTimer::timeout, [] {
            std::fputs("no paint on screen within 10 s\n", stderr);
            std::_Exit(1);
        });
        m_giveUp.start(10000);
    }
    ~TFirstPaint() override { qApp->removeEventFilter(this); }

    long long at() const { return m_at; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_at == 0 && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window && isOnScreen()) {
            m_at = monotonicNs();
            m_giveUp.stop();
            m_painted(m_at);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Qt may paint a window before the window system has put it on screen,
    // which nobody sees; only a paint of an exposed window counts.
    bool isOnScreen() const
    {
        const QWindow *handle = m_window->windowHandle();
        return handle && handle->isExposed();
    }

    QWidget *m_window;
    std::function<void(long long)> m_painted;
    long long m_at = 0;
    QTimer m_giveUp;
};
