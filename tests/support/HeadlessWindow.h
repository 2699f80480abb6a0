// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test double of the machine window where nobody watches: fixed rotor and key fields, rotor windows
// that keep only their top line (key setting reads it back). Tests install banks through it.

#include "installation/MachineWindow.h"

#include <string>

namespace velista {

class HeadlessWindow final : public MachineWindow {
public:
    HeadlessWindow(std::u16string rotors, std::u16string key);

    void ClearRotorWindow(int window) override;
    void AppendRotorWindowLine(int window, std::u16string_view line) override;
    std::optional<std::u16string> RotorWindowTopLine(int window) const override;
    std::u16string RotorFieldText() const override { return rotors_; }
    std::u16string KeyFieldText() const override { return key_; }
    void ShowRunButtons() override {}
    void ShowCriticalMessage(std::u16string_view, std::u16string_view) override {}
    void Yield() override {}

private:
    std::u16string rotors_;
    std::u16string key_;
    std::optional<std::u16string> topLines_[5];
};

}  // namespace velista
