// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run clock of the program: wall time, and waits in an event loop of their own.

#include "main_window/RunClock.h"

#include <QElapsedTimer>

class QEventLoop;

namespace velista {

class EventLoopClock final : public RunClock {
public:
    EventLoopClock();

    qint64 Now() const override { return clock_.elapsed(); }
    void WaitUntil(qint64 time) override;
    void Wake() override;

private:
    QElapsedTimer clock_;
    QEventLoop* waiting_ = nullptr;
};

}  // namespace velista
