// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One slot of the bank: a copy of a catalogue rotor and how far it has turned since it was copied.
// Turning moves an offset rather than the 270 symbols of the rows.

#include "machine/MachineTypes.h"
#include "machine/Rotor.h"

#include <cstdint>

namespace velista {

class RotorSlot {
public:
    // Copies the rotor into the slot, unturned.
    void Load(const Rotor& rotor);

    // Moves the symbol at every position p of both rows to p + steps, modulo 135.
    void Turn(std::int16_t steps);

    // The rows as they stand now, position 0 to 134.
    Symbol EntryAt(int position) const { return copied_.EntryRow[CopiedPosition(position)]; }
    Symbol ExitAt(int position) const { return copied_.ExitRow[CopiedPosition(position)]; }

    // Turns since the copy, 0 to 134.
    std::int16_t Turns() const { return turns_; }
    const Rotor& Copied() const { return copied_; }

    // True until a rotor is copied in.
    bool Empty() const { return copied_.EntryRow[0] == NoSymbol; }

private:
    int CopiedPosition(int position) const;

    Rotor copied_{};
    std::int16_t turns_ = 0;
};

}  // namespace velista
