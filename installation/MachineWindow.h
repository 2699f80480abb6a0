// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the machine needs of the window that shows it: the rotor windows, the rotor and key fields,
// the run buttons, a message box and the event loop.

#include "installation/EventLoop.h"

#include <optional>
#include <string>
#include <string_view>

namespace velista {

class MachineWindow : public EventLoop {
public:
    // Rotor window i (0 to 4) shows slot i + 1.
    virtual void ClearRotorWindow(int window) = 0;
    virtual void AppendRotorWindowLine(int window, std::u16string_view line) = 0;
    // Line 0, or nothing when the window holds no line.
    virtual std::optional<std::u16string> RotorWindowTopLine(int window) const = 0;

    // The rotor field: five rotor numbers.
    virtual std::u16string RotorFieldText() const = 0;
    // The key field: five key symbols.
    virtual std::u16string KeyFieldText() const = 0;

    // Makes the encryption and the decryption button visible.
    virtual void ShowRunButtons() = 0;

    // A modal box with the critical-error icon and an OK button; returns when it is closed.
    virtual void ShowCriticalMessage(std::u16string_view text, std::u16string_view title) = 0;
};

}  // namespace velista
