// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time a run keeps its pace by, and the waits between its frames, during which the window answers.

#include <QtGlobal>

namespace velista {

class RunClock {
public:
    static constexpr qint64 NoDeadline = -1;

    virtual ~RunClock() = default;
    // Milliseconds from some fixed start.
    virtual qint64 Now() const = 0;
    // Lets the window's events run until the time comes (never, with NoDeadline) or Wake() is called.
    virtual void WaitUntil(qint64 time) = 0;
    // Ends the present wait early: the run has something new to look at (a speed, a pause, a step).
    virtual void Wake() = 0;
};

}  // namespace velista
