// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard as Windows reports it to the user-interface thread.

#include "platform/KeyboardState.h"

namespace velista {

class WindowsKeyboardState final : public KeyboardState {
public:
    bool CapsLock() const override;
    bool NumLock() const override;
    std::string LayoutIdentifier() const override;
};

}  // namespace velista
