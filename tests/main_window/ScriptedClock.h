// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run's clock that the test drives, so that nothing waits for real time to pass.

#include "main_window/RunClock.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>

namespace velista::test {

// Time passes only when the run waits for it: a wait until a time jumps there, unless the window wakes
// the run first, as a new speed, a pause or a step does.
struct ScriptedClock final : RunClock {
    qint64 Now() const override { return now; }
    void WaitUntil(qint64 time) override
    {
        woken = false;
        if (time == NoDeadline && ++pausedWaits > 10000 && escape)
            escape();  // a script that never resumes would hang the suite
        if (onWait)
            onWait(time);
        QCoreApplication::processEvents();
        if (time != NoDeadline && !woken)
            now = std::max(now, time);
    }
    void Wake() override { woken = true; }

    qint64 now = 0;
    bool woken = false;
    int pausedWaits = 0;
    std::function<void(qint64)> onWait;
    std::function<void()> escape;
};

}  // namespace velista::test
