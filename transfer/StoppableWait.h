// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits on the calling thread for a Qt signal, a time-out or the caller's stop, whichever
// comes first, so that a blocking step on a worker thread can still be stopped at once.
#include <QEventLoop>
#include <QTimer>

#include <functional>

inline constexpr int kStopPollMs = 50;

// Calls start, then waits; true when the signal came.
template<typename Sender, typename Signal>
bool WaitUntil(const Sender *sender, Signal signal, const std::function<void()> &start, int timeoutMs,
               const std::function<bool()> &stopped)
{
    QEventLoop loop;
    bool arrived = false;
    QObject::connect(sender, signal, &loop, [&] {
        arrived = true;
        loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (stopped && stopped())
            loop.quit();
    });
    poll.start(kStopPollMs);
    start();
    if (!arrived)
        loop.exec();
    return arrived;
}
