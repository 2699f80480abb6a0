// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/SettingProblem.h"

#include "machine/Checked.h"

namespace velista {

std::string_view SettingProblem::RussianTemplate() const
{
    // A wrong length and a wrong digit share one sentence: it names everything the rotors must be.
    switch (kind) {
    case Kind::RotorLength:
    case Kind::RotorNotDigit:
        return "номера роторов {value} не подходят: нужно ровно пять цифр от 0 до 9, например 01234";
    case Kind::KeyLength:
        return "ключ {value} не подходит: нужно ровно пять символов, а их {count}";
    case Kind::KeyOutsideAlphabet:
        return "ключ {value} не подходит: в нём есть символ вне алфавита машины (алфавит: латинские и русские "
               "буквы без Ё и ё, цифры, пробел и знаки ( ) , - . : [ ])";
    }
    ProgrammingError("a setting problem of no known kind");
}

std::string SettingProblem::RussianText(std::string_view shownValue) const
{
    const std::string_view pattern = RussianTemplate();
    const std::string number = std::to_string(count);
    std::string text;
    std::size_t from = 0;
    for (std::size_t brace = pattern.find('{'); brace != std::string_view::npos; brace = pattern.find('{', from)) {
        text += pattern.substr(from, brace - from);
        const std::size_t close = pattern.find('}', brace);
        if (close == std::string_view::npos)
            ProgrammingError("a setting problem's sentence leaves a placeholder open");
        const std::string_view name = pattern.substr(brace + 1, close - brace - 1);
        if (name == "value")
            text += shownValue;
        else if (name == "count")
            text += number;
        else
            ProgrammingError("a setting problem's sentence names an unknown placeholder");
        from = close + 1;
    }
    text += pattern.substr(from);
    return text;
}

}  // namespace velista
