// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One setting that the attack found: the five rotors, the turns of a key of its class, and where the fragment stands.

#include "analysis/RotorTables.h"

#include "machine/MachineKey.h"
#include "machine/RotorChoice.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velista::analysis {

struct AttackSetting {
    // Rotor numbers of slots 1 to 5.
    std::array<int, SlotCount> rotors{};
    // How far the installation turns each slot, 0 to 134. Adding the same number to all five gives a key
    // of the same class: the contacts are positional, so only the differences between the turns matter.
    std::array<int, SlotCount> turns{};
    // Text position of the fragment's first character, counted from 0: the first of positions.
    std::size_t position = 0;
    // Every position where this setting fits, ascending; at most FoundSettings::PositionsKept of them (a text
    // that repeats one line a million times would otherwise list a million), while AttackResult::fits counts all.
    std::vector<std::size_t> positions;

    // The five rotors, as the machine and the rotor field take them.
    RotorChoice Rotors() const;
    // The key, as the machine and the key field take it, for the turns raised by shift (0 to 134):
    // every shift gives a key that enciphers the same way.
    MachineKey Key(const RotorTables& tables, int shift = 0) const;

    // Set through the core (RotorBank::SetDirectly with the rotors and Key()) and stepped to position, the machine
    // turns the ciphertext there back into the fragment: the search's own tables checked by the machine itself.
    bool Deciphers(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment) const;
    // The same at another position of the fragment.
    bool DeciphersAt(std::size_t at, const RotorTables& tables, std::u16string_view ciphertext,
                     std::u16string_view fragment) const;

    // The rotors and the key class, whatever the position: equal for equal settings.
    std::uint64_t Identity() const;

    bool operator==(const AttackSetting&) const = default;
};

}  // namespace velista::analysis
