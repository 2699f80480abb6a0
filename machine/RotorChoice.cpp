// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/RotorChoice.h"

#include "machine/Checked.h"

namespace velista {

std::variant<RotorChoice, SettingProblem> RotorChoice::Parse(std::u16string_view digits)
{
    if (digits.size() != SlotCount)
        return SettingProblem{SettingProblem::Kind::RotorLength, digits.size()};
    RotorChoice choice;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t number = Digits.find(digits[i]);
        if (number == std::u16string_view::npos)
            return SettingProblem{SettingProblem::Kind::RotorNotDigit, digits.size(), i};
        choice.numbers_[i] = static_cast<std::int16_t>(number);
    }
    return choice;
}

RotorChoice RotorChoice::Certain(std::u16string_view digits)
{
    auto parsed = Parse(digits);
    if (const auto* choice = std::get_if<RotorChoice>(&parsed))
        return *choice;
    ProgrammingError("the program's own rotor digits are not five digits");
}

std::u16string RotorChoice::Text() const
{
    std::u16string text;
    for (const std::int16_t number : numbers_)
        text += Digits[static_cast<std::size_t>(number)];
    return text;
}

}  // namespace velista
