// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/EventLoopClock.h"

#include <QEventLoop>
#include <QTimer>

namespace velista {

EventLoopClock::EventLoopClock() { clock_.start(); }

void EventLoopClock::WaitUntil(qint64 time)
{
    const qint64 remaining = time - Now();
    if (time != NoDeadline && remaining <= 0)
        return;
    // Waiting in an event loop keeps the window answering; QCoreApplication::quit() ends this loop with
    // the others.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    if (time != NoDeadline) {
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(int(remaining));
    }
    QEventLoop* const outer = waiting_;
    waiting_ = &loop;
    loop.exec();
    waiting_ = outer;
}

void EventLoopClock::Wake()
{
    if (waiting_)
        waiting_->quit();
}

}  // namespace velista
