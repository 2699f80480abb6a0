// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fast path of the runs: whole texts enciphered or deciphered in place, one bank step per position.
//
// A symbol's path through the bank is worked out in row positions: a turn of slot k adds its turn count
// to every position it is looked up at, so no row ever moves. Slots 3 to 5 stand still for 18,225 steps
// at a time, so their hops fold into one table; a symbol then costs three lookups (PathCipher does the
// work, on the cipher path chosen for this processor). The results equal the symbol-by-symbol path.

#include "machine/MachineTypes.h"
#include "machine/TextResult.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velista {

class RotorBank;

class TextCipher {
public:
    // UTF-16 text, or Windows-1251 bytes: every alphabet symbol is one byte there, so bytes need no
    // conversion at all.
    TextResult Encipher(RotorBank& bank, std::span<char16_t> text);
    TextResult Decipher(RotorBank& bank, std::span<char16_t> text);
    TextResult Encipher(RotorBank& bank, std::span<std::uint8_t> bytes);
    TextResult Decipher(RotorBank& bank, std::span<std::uint8_t> bytes);

    // The tables that depend only on which rotors were copied into the slots; built again when the
    // bank's slots were loaded since they were made.
    struct Wiring {
        static constexpr std::uint8_t Outside = 255;
        std::uint64_t loads = 0;
        // Character -> copied position in slot 1's exit row / slot 5's entry row, or Outside.
        std::vector<std::uint8_t> slot1Exit, slot5Entry;
        // Slots 2 to 4: copied entry position -> copied exit position of the same symbol (enciphering),
        // and copied exit position -> copied entry position (deciphering).
        std::array<std::array<std::uint8_t, RowLength>, 3> entryToExit{}, exitToEntry{};
        std::array<Symbol, RowLength> slot5EntryRow{}, slot1ExitRow{};
        // The same for Windows-1251 bytes.
        std::array<std::uint8_t, 256> slot1ExitByte{}, slot5EntryByte{};
        std::array<std::uint8_t, RowLength> slot5EntryRowBytes{}, slot1ExitRowBytes{};
    };

private:
    const Wiring& WiringOf(const RotorBank& bank);

    Wiring wiring_;
};

}  // namespace velista
