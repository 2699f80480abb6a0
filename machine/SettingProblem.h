// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a text is not five rotor numbers or not a machine key, and the one place its Russian sentence is made.

#include <cstddef>
#include <string>
#include <string_view>

namespace velista {

struct SettingProblem {
    enum class Kind {
        RotorLength,         // the rotor text is not five characters long
        RotorNotDigit,       // a character of the rotor text is not one of 0 to 9
        KeyLength,           // the key is not five characters long
        KeyOutsideAlphabet,  // a character of the key is not an alphabet symbol
    };

    Kind kind = Kind::RotorLength;
    // How many characters the text holds.
    std::size_t count = 0;
    // Where the first wrong character stands, counted from 0; 0 for the two length kinds.
    std::size_t at = 0;

    // The whole sentence with its placeholders: {value} for the text as the message shows it, {count} for
    // count. Each kind has one fixed sentence, so that a translation can look it up as it stands.
    std::string_view RussianTemplate() const;
    // The sentence in UTF-8 with the placeholders filled; shownValue is the text as the caller shows a
    // user's value (the tool quotes it and escapes control characters).
    std::string RussianText(std::string_view shownValue) const;

    bool operator==(const SettingProblem&) const = default;
};

}  // namespace velista
