// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard where the platform tells no more than the input method's locale (Wayland, macOS, offscreen).

#include "platform/KeyboardState.h"

namespace velista {

class InputMethodKeyboardState final : public KeyboardState {
public:
    bool CapsLock() const override { return false; }
    bool NumLock() const override { return false; }
    std::string LayoutIdentifier() const override;
};

}  // namespace velista
