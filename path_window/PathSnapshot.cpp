// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/PathSnapshot.h"

#include "machine/Alphabet.h"
#include "machine/RotorBank.h"

namespace velista {

namespace {

bool SameHops(const SymbolPath& a, const SymbolPath& b)
{
    for (std::size_t h = 0; h < a.hops.size(); ++h) {
        if (a.hops[h].slot != b.hops[h].slot || a.hops[h].position != b.hops[h].position ||
            a.hops[h].reached != b.hops[h].reached)
            return false;
    }
    return a.input == b.input && a.output == b.output;
}

std::int16_t Wrap(int position) { return static_cast<std::int16_t>(((position % RowLength) + RowLength) % RowLength); }

}  // namespace

bool PathSnapshot::operator==(const PathSnapshot& other) const
{
    return direction == other.direction && inAlphabet == other.inAlphabet && SameHops(path, other.path) &&
           counters == other.counters && turnsFromKey == other.turnsFromKey && columns == other.columns;
}

PathSnapshot PathSnapshot::Take(const RotorBank& bank, Symbol symbol, CipherDirection direction,
                                std::u16string_view key)
{
    PathSnapshot shot;
    shot.direction = direction;
    shot.inAlphabet = Alphabet::Machine().Contains(symbol);
    shot.path = bank.Path(symbol, direction);
    if (!shot.inAlphabet) {
        shot.path.hops = {};
        shot.path.output = symbol;
    }
    const bool encipher = direction == CipherDirection::Encipher;
    for (std::int16_t k = 1; k <= SlotCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        shot.counters[i] = bank.StepCounter(k);
        shot.turnsFromKey[i] = key.size() == std::size_t(SlotCount) ? bank.FindInEntryRow(k, key[i]) : -1;
        // The hop that leaves this slot and the one that reaches it. Enciphering, hop k leaves slot k
        // through its exit row and hop k - 1 reaches its entry row; deciphering, hop 6 - k leaves slot k
        // through its entry row and hop 5 - k reaches its exit row.
        const int leaving = encipher ? k : 6 - k;
        const int reaching = encipher ? k - 1 : 5 - k;
        const int leavingRow = encipher ? Exit : Entry;
        const int reachingRow = encipher ? Entry : Exit;
        const auto hopPosition = [&](int hop) { return shot.path.hops[std::size_t(hop - 1)].position; };
        const bool leaves = leaving >= 1 && leaving <= 4;
        const bool reached = reaching >= 1 && reaching <= 4;
        Column& out = shot.columns[i][std::size_t(leavingRow)];
        Column& in = shot.columns[i][std::size_t(reachingRow)];
        out.used = leaves && shot.inAlphabet;
        in.used = reached && shot.inAlphabet;
        // A row the path does not use is shown around the other row's position, faded.
        out.centre = leaves ? hopPosition(leaving) : hopPosition(reaching);
        in.centre = reached ? hopPosition(reaching) : hopPosition(leaving);
        const RotorSlot& slot = bank.Slot(k);
        for (int row = 0; row < Rows; ++row) {
            const auto r = std::size_t(row);
            shot.columns[i][Entry].symbols[r] = slot.EntryAt(Wrap(shot.columns[i][Entry].centre + row - Reach));
            shot.columns[i][Exit].symbols[r] = slot.ExitAt(Wrap(shot.columns[i][Exit].centre + row - Reach));
        }
    }
    return shot;
}

}  // namespace velista
