// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services the windows use, gathered so that tests can hand in stand-ins.

#include "machine/Beeper.h"
#include "platform/KeyboardState.h"
#include "platform/ProgramLauncher.h"
#include "platform/SystemRegistry.h"

namespace velista {

struct Platform {
    Beeper& beeper;
    KeyboardState& keyboard;
    SystemRegistry& registry;
    ProgramLauncher& launcher;
};

}  // namespace velista
