// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A beeper that counts its beeps instead of sounding them.

#include "machine/Beeper.h"

namespace velista::test {

struct CountingBeeper final : Beeper {
    void Beep() override { ++beeps; }
    int beeps = 0;
};

}  // namespace velista::test
