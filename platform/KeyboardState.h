// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the status bar and the layout panel need to know of the keyboard.

#include <string>

namespace velista {

class KeyboardState {
public:
    virtual ~KeyboardState() = default;

    virtual bool CapsLock() const = 0;
    virtual bool NumLock() const = 0;

    // The active layout as a Windows layout identifier: eight hexadecimal digits, "00000419" for the
    // plain Russian layout, a non-zero digit before 0419 for its variants.
    virtual std::string LayoutIdentifier() const = 0;
};

}  // namespace velista
