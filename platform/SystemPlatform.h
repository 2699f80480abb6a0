// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real platform services of the system the program runs on.

#include "platform/Platform.h"

#include <memory>

namespace velista {

class SystemPlatform {
public:
    // Needs the application object: the keyboard is asked through its platform connection.
    SystemPlatform();
    ~SystemPlatform();

    Platform Services() const { return {*beeper_, *keyboard_, *registry_, *launcher_}; }

private:
    std::unique_ptr<Beeper> beeper_;
    std::unique_ptr<KeyboardState> keyboard_;
    std::unique_ptr<SystemRegistry> registry_;
    std::unique_ptr<ProgramLauncher> launcher_;
};

}  // namespace velista
