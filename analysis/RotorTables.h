// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue's rotors as position tables for the search: the one place that reads the machine's rows.

#include "machine/MachineTypes.h"
#include "machine/RotorCatalogue.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velista::analysis {

class RotorTables {
public:
    static constexpr int N = RowLength;
    static constexpr std::uint8_t Outside = 255;

    // v modulo N, for v in [-N, 2N). The search's inner loops are made of these: a remainder costs several
    // times more.
    static int Wrap(int v)
    {
        v += (v >> 31) & N;
        return v >= N ? v - N : v;
    }

    // Reads the catalogue built from the wiring the program ships.
    RotorTables();
    // The tables of the shipped catalogue, built once.
    static const RotorTables& Shipped();
    explicit RotorTables(const RotorCatalogue& catalogue);

    // Character -> position in rotor r's exit row / entry row, or Outside.
    std::uint8_t ExitPosition(int rotor, char16_t c) const { return exitPosition_[Index(rotor)][c]; }
    std::uint8_t EntryPosition(int rotor, char16_t c) const { return entryPosition_[Index(rotor)][c]; }
    // Entry position q -> exit position of the same symbol; and back.
    const std::array<std::uint8_t, N>& EntryToExit(int rotor) const { return entryToExit_[Index(rotor)]; }
    const std::array<std::uint8_t, N>& ExitToEntry(int rotor) const { return exitToEntry_[Index(rotor)]; }
    // EntryToExit laid out twice, so that a position plus a difference (below 2 * 135) needs no remainder.
    const std::array<std::uint8_t, 2 * N>& EntryToExitTwice(int rotor) const { return entryToExitTwice_[Index(rotor)]; }
    // ExitToEntry backwards, twice: element i is ExitToEntry[(-i) mod 135], so ExitToEntry[(q - g) mod 135] is element
    // g + 135 - q, which grows with g.
    const std::array<std::uint8_t, 2 * N>& ExitToEntryBackwards(int rotor) const
    {
        return exitToEntryBackwards_[Index(rotor)];
    }
    Symbol EntrySymbol(int rotor, int position) const
    {
        return entryRow_[Index(rotor)][static_cast<std::size_t>(position)];
    }

private:
    static std::size_t Index(int rotor) { return static_cast<std::size_t>(rotor); }

    std::array<std::vector<std::uint8_t>, RotorCount> exitPosition_, entryPosition_;
    std::array<std::array<std::uint8_t, N>, RotorCount> entryToExit_{}, exitToEntry_{};
    std::array<std::array<std::uint8_t, 2 * N>, RotorCount> entryToExitTwice_{}, exitToEntryBackwards_{};
    std::array<std::array<Symbol, N>, RotorCount> entryRow_{};
};

}  // namespace velista::analysis
