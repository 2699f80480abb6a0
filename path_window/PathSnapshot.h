// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the path window draws of one symbol's way through the bank, taken while the bank stood as it did
// for that symbol: the hops, and each slot's rows around the positions the hops use.

#include "machine/MachineTypes.h"
#include "machine/SymbolPath.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velista {

class RotorBank;

struct PathSnapshot {
    // Rows shown on each side of a used position.
    static constexpr int Reach = 2;
    static constexpr int Rows = 2 * Reach + 1;
    static constexpr int Entry = 0;
    static constexpr int Exit = 1;

    // One row of one slot around one position.
    struct Column {
        bool used = false;  // the path goes through it (slot 1's entry row and slot 5's exit row never)
        std::int16_t centre = 0;
        std::array<Symbol, Rows> symbols{};  // positions centre - Reach to centre + Reach, modulo 135

        bool operator==(const Column&) const = default;
    };

    CipherDirection direction = CipherDirection::Encipher;
    // False for a character outside the alphabet: it passes unchanged and has no path.
    bool inAlphabet = false;
    SymbolPath path;
    // Per slot 1 to 5 (index 0 to 4): its counter, and how many places its key symbol stands from entry
    // position 0 (-1 without a key).
    std::array<std::int16_t, SlotCount> counters{};
    std::array<std::int16_t, SlotCount> turnsFromKey{};
    // [slot - 1][Entry or Exit].
    std::array<std::array<Column, 2>, SlotCount> columns{};

    bool operator==(const PathSnapshot& other) const;

    // The bank as it stands now, for the symbol; key: the five key symbols the bank was set to, or empty.
    static PathSnapshot Take(const RotorBank& bank, Symbol symbol, CipherDirection direction,
                             std::u16string_view key);
};

}  // namespace velista
