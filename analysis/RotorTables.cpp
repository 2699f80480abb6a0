// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/RotorTables.h"


namespace velista::analysis {

namespace {

std::vector<std::uint8_t> PositionsOf(const RotorRow& row)
{
    std::vector<std::uint8_t> positions(65536, RotorTables::Outside);
    for (int p = 0; p < RotorTables::N; ++p)
        positions[row[p]] = static_cast<std::uint8_t>(p);
    return positions;
}

}  // namespace

RotorTables::RotorTables()
    : RotorTables(RotorCatalogue::Shipped())
{
}

const RotorTables& RotorTables::Shipped()
{
    static const RotorTables tables;
    return tables;
}

RotorTables::RotorTables(const RotorCatalogue& catalogue)
{
    for (int r = 0; r < RotorCount; ++r) {
        const Rotor& rotor = catalogue[r];
        const std::size_t i = Index(r);
        exitPosition_[i] = PositionsOf(rotor.ExitRow);
        entryPosition_[i] = PositionsOf(rotor.EntryRow);
        for (int q = 0; q < N; ++q) {
            const auto at = static_cast<std::size_t>(q);
            entryToExit_[i][at] = exitPosition_[i][rotor.EntryRow[q]];
            exitToEntry_[i][at] = entryPosition_[i][rotor.ExitRow[q]];
            entryRow_[i][at] = rotor.EntryRow[q];
        }
        for (int q = 0; q < 2 * N; ++q) {
            const auto at = static_cast<std::size_t>(q);
            entryToExitTwice_[i][at] = entryToExit_[i][static_cast<std::size_t>(q % N)];
            exitToEntryBackwards_[i][at] = exitToEntry_[i][static_cast<std::size_t>((2 * N - q) % N)];
        }
    }
}

}  // namespace velista::analysis
