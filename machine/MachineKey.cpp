// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/MachineKey.h"

#include "machine/Alphabet.h"
#include "machine/Checked.h"

namespace velista {

std::variant<MachineKey, SettingProblem> MachineKey::Parse(std::u32string_view characters)
{
    if (characters.size() != SlotCount)
        return SettingProblem{SettingProblem::Kind::KeyLength, characters.size()};
    MachineKey key;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        // Above U+FFFF a character is no symbol, even where its low 16 bits would name one.
        if (c > 0xFFFF || !Alphabet::Machine().Contains(static_cast<char16_t>(c)))
            return SettingProblem{SettingProblem::Kind::KeyOutsideAlphabet, characters.size(), i};
        key.symbols_ += static_cast<char16_t>(c);
    }
    return key;
}

MachineKey MachineKey::Certain(std::u16string_view symbols)
{
    const std::u32string characters(symbols.begin(), symbols.end());
    auto parsed = Parse(characters);
    if (const auto* key = std::get_if<MachineKey>(&parsed))
        return *key;
    ProgrammingError("the program's own key is not five alphabet symbols");
}

}  // namespace velista
