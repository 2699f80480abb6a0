// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rotor: two rows of 135 symbols that always turn together.

#include "machine/IndexedArray.h"
#include "machine/MachineTypes.h"

namespace velista {

using RotorRow = IndexedArray<Symbol, 0, RowLength - 1>;

struct Rotor {
    // The row its window shows and key setting looks at; a symbol enters the rotor here when enciphering.
    RotorRow EntryRow;
    // A symbol leaves the rotor here when enciphering.
    RotorRow ExitRow;

    bool operator==(const Rotor&) const = default;
};

}  // namespace velista
