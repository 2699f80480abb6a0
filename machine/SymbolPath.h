// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way one symbol goes through the bank as it stands: four hops between neighbouring slots.

#include "machine/MachineTypes.h"

#include <array>
#include <cstdint>

namespace velista {

struct SymbolHop {
    // The slot the symbol leaves: 1 to 4 when enciphering, 5 to 2 when deciphering.
    std::int16_t slot = 0;
    // Where the symbol stands in that slot's row: the exit row when enciphering, the entry row when
    // deciphering (0 for a symbol that the row does not hold).
    std::int16_t position = 0;
    // What stands at that position of the next slot's other row: the entry row of slot + 1, or the
    // exit row of slot - 1.
    Symbol reached = NoSymbol;
};

struct SymbolPath {
    Symbol input = NoSymbol;
    std::array<SymbolHop, 4> hops{};
    // The last hop's symbol.
    Symbol output = NoSymbol;
};

}  // namespace velista
