// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key: five alphabet symbols, the one that slot k is turned to first; a symbol may repeat.

#include "machine/MachineTypes.h"
#include "machine/SettingProblem.h"

#include <string>
#include <string_view>
#include <variant>

namespace velista {

class MachineKey {
public:
    // The key that five characters make, or why they make none: the length is checked first, then the
    // symbols from the first place on. Characters, not UTF-16 units: an emoji is one character, outside
    // the alphabet, and a text that composes letters (Й) composes them before it comes here.
    static std::variant<MachineKey, SettingProblem> Parse(std::u32string_view characters);
    // The same for symbols the program took from its own rotors (a found setting): a problem is a
    // programming error.
    static MachineKey Certain(std::u16string_view symbols);

    // The five symbols, as the key field takes them.
    const std::u16string& Symbols() const { return symbols_; }

    bool operator==(const MachineKey&) const = default;

private:
    MachineKey() = default;

    std::u16string symbols_;
};

}  // namespace velista
