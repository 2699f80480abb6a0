// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Five catalogue rotors for slots 1 to 5, each 0 to 9, as five digits; a rotor may stand in several slots.

#include "machine/MachineTypes.h"
#include "machine/SettingProblem.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace velista {

class RotorChoice {
public:
    // The ten digits that name the rotors, as the rotor field lets them be typed.
    static constexpr std::u16string_view Digits = u"0123456789";

    // The choice that five digits name, or why the text names none: the length is checked first, then the
    // digits from the first place on.
    static std::variant<RotorChoice, SettingProblem> Parse(std::u16string_view digits);
    // The same for digits the program wrote itself (a found setting): a problem is a programming error.
    static RotorChoice Certain(std::u16string_view digits);

    // The rotor numbers of slots 1 to 5.
    const std::array<std::int16_t, SlotCount>& Numbers() const { return numbers_; }
    // The five digits, as the rotor field takes them.
    std::u16string Text() const;

    bool operator==(const RotorChoice&) const = default;

private:
    RotorChoice() = default;

    std::array<std::int16_t, SlotCount> numbers_{};
};

}  // namespace velista
