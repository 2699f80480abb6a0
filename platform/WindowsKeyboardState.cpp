// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowsKeyboardState.h"

#include <windows.h>

namespace velista {

bool WindowsKeyboardState::CapsLock() const { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

bool WindowsKeyboardState::NumLock() const { return (GetKeyState(VK_NUMLOCK) & 1) != 0; }

std::string WindowsKeyboardState::LayoutIdentifier() const
{
    char name[KL_NAMELENGTH] = {};
    GetKeyboardLayoutNameA(name);
    return name;
}

}  // namespace velista
