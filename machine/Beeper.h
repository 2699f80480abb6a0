// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system beep with which the machine refuses a character.

namespace velista {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

}  // namespace velista
