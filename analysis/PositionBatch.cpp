// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/PositionBatch.h"

#include "machine/Checked.h"

#include <algorithm>
#include <bit>

namespace velista::analysis {

namespace {

constexpr int N = RotorTables::N;

// v must lie in [-N, 2N). The sweep's inner loop is made of these: a remainder costs several times more.
inline int Wrap(int v)
{
    v += (v >> 31) & N;
    return v >= N ? v - N : v;
}

}  // namespace

std::vector<std::size_t> PositionBatch::Choose(const RotorTables& tables, std::u16string_view fragment, int rotor1,
                                               bool fromEnd)
{
    CheckIndex(rotor1, 0, RotorCount - 1);
    std::vector<std::size_t> chosen;
    std::vector<bool> taken(N);
    for (std::size_t n = 0; n < fragment.size() && chosen.size() < MaxChosen; ++n) {
        const std::size_t j = fromEnd ? fragment.size() - 1 - n : n;
        const std::uint8_t exit = tables.ExitPosition(rotor1, fragment[j]);
        if (exit == RotorTables::Outside)
            continue;
        // Places that share a slot-1 exit position share everything after it and tell nothing new.
        const auto w = static_cast<std::size_t>((exit + j) % N);
        if (taken[w])
            continue;
        taken[w] = true;
        chosen.push_back(j);
    }
    if (chosen.empty())
        ProgrammingError("a fragment without alphabet symbols cannot be searched");
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

bool PositionBatch::Serves(const std::vector<std::size_t>& chosen, std::size_t position)
{
    const auto n = static_cast<std::size_t>(N);
    return (position + chosen.front()) / n == (position + chosen.back()) / n;
}

std::uint64_t PositionBatch::KeyOf(const int* values, std::size_t count)
{
    std::uint64_t key = 0;
    for (std::size_t c = 1; c < count; ++c)
        key |= static_cast<std::uint64_t>(Wrap(values[c] - values[0])) << (8 * (c - 1));
    return key;
}

PositionBatch::PositionBatch(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                             int rotor1, std::vector<std::size_t> chosen, const std::vector<std::size_t>& positions,
                             const std::atomic<bool>& stop)
    : tables_(tables)
    , rotor1_(rotor1)
    , chosen_(std::move(chosen))
    , table_(std::max<std::size_t>(positions.size(), 1) * RotorCount * RotorCount * N)
{
    CheckIndex(rotor1, 0, RotorCount - 1);
    if (chosen_.empty() || chosen_.size() > MaxChosen || positions.empty() || positions.size() > MaxPositions)
        ProgrammingError("a batch needs 1 to 6 chosen places and 1 to 64 positions");
    for (std::size_t j : chosen_)
        exitPlusStep_.push_back(static_cast<int>((tables.ExitPosition(rotor1, fragment[j]) + j - chosen_[0]) % N));

    for (int r = 0; r < RotorCount; ++r) {
        for (int q = 0; q < 2 * N; ++q)
            entryToExitTwice_[static_cast<std::size_t>(r)][static_cast<std::size_t>(q)] = tables.EntryToExit(r)[static_cast<std::size_t>(q % N)];
    }

    const std::size_t count = chosen_.size();
    std::array<int, MaxChosen> z{};
    std::vector<HalfTable::Entry> halves;
    halves.reserve(positions.size() * RotorCount * RotorCount * N);
    // A position's 13,500 halves take about 0.3 ms: stop is looked at between positions.
    for (std::size_t p = 0; p < positions.size() && !stop.load(std::memory_order_relaxed); ++p) {
        const std::size_t position = positions[p];
        if (!Serves(chosen_, position))
            ProgrammingError("a batch position that its chosen places do not serve");
        positions_.emplace_back(tables, ciphertext, fragment, position, false);
        offsets_.push_back(MiddleMeeting::Offsets(position + chosen_[0]));
        std::array<std::uint8_t, MaxChosen> q5[RotorCount]{};
        for (int r5 = 0; r5 < RotorCount; ++r5) {
            for (std::size_t c = 0; c < count; ++c)
                q5[r5][c] = tables.EntryPosition(r5, ciphertext[position + chosen_[c]]);
        }
        for (int r4 = 0; r4 < RotorCount; ++r4) {
            const auto& m4Inverse = tables.ExitToEntry(r4);
            for (int r5 = 0; r5 < RotorCount; ++r5) {
                for (int g = 0; g < N; ++g) {
                    for (std::size_t c = 0; c < count; ++c)
                        z[c] = m4Inverse[static_cast<std::size_t>(Wrap(q5[r5][c] - g))];
                    halves.push_back({KeyOf(z.data(), count),
                                      static_cast<std::uint32_t>(p << 24 | static_cast<std::size_t>(g << 16 | z[0] << 8 | r4 << 4 | r5))});
                }
            }
        }
    }
    table_.AddAll(halves);
    table_.Seal();
}

void PositionBatch::Sweep(int eFirst, int eLast, const std::atomic<bool>& stop, FoundSettings& found,
                          std::uint64_t& examined) const
{
    CheckIndex(eFirst, 0, N);
    CheckIndex(eLast, eFirst, N);
    const std::size_t chosen = chosen_.size();
    // Every forward half of the block as its key << 24 | E << 16 | D2 + offset << 8 | rotor 2 << 4 | rotor 3, made
    // for every D2 at once: slot 3's exit position at place t is m3[a_t + D2], read from the table laid out twice.
    std::vector<std::uint64_t> probes;
    probes.reserve(static_cast<std::size_t>(eLast - eFirst) * RotorCount * RotorCount * N);
    std::array<int, MaxChosen> q2{}, a{};
    for (int e = eFirst; e < eLast; ++e) {
        if (stop.load(std::memory_order_relaxed))
            return;
        for (std::size_t c = 0; c < chosen; ++c)
            q2[c] = Wrap(exitPlusStep_[c] + e);
        for (int r2 = 0; r2 < RotorCount; ++r2) {
            const auto& m2 = tables_.EntryToExit(r2);
            for (std::size_t c = 0; c < chosen; ++c)
                a[c] = m2[static_cast<std::size_t>(q2[c])];
            for (int r3 = 0; r3 < RotorCount; ++r3) {
                const std::uint8_t* m3 = entryToExitTwice_[static_cast<std::size_t>(r3)].data();
                const auto id = static_cast<std::uint64_t>(e << 16 | r2 << 4 | r3);
                for (int d2 = 0; d2 < N; ++d2) {
                    const int y0 = m3[a[0] + d2];
                    std::uint64_t key = 0;
                    for (std::size_t c = 1; c < chosen; ++c)
                        key |= static_cast<std::uint64_t>(Wrap(m3[a[c] + d2] - y0)) << (8 * (c - 1));
                    probes.push_back(key << 24 | id | static_cast<std::uint64_t>(d2) << 8);
                }
            }
        }
    }
    if (table_.Large())
        probes = InSlotOrder(std::move(probes));

    // Where few places are chosen a key may hold every half: stop is looked at every 4,096 hits too.
    std::uint32_t hits = 0;
    for (std::size_t n = 0; n < probes.size(); ++n) {
        if (n % 4096 == 4095 && stop.load(std::memory_order_relaxed))
            return;
        const std::uint64_t key = probes[n] >> 24;
        if (!table_.MayHold(HalfTable::Hash(key)))
            continue;
        const auto probe = static_cast<int>(probes[n] & 0xFFFFFF);
        const int e = probe >> 16, d2 = probe >> 8 & 255, r2 = probe >> 4 & 15, r3 = probe & 15;
        const int y0 = entryToExitTwice_[static_cast<std::size_t>(r3)][static_cast<std::size_t>(
            tables_.EntryToExit(r2)[static_cast<std::size_t>(Wrap(exitPlusStep_[0] + e))] + d2)];
        for (std::uint32_t i = table_.First(key); i != HalfTable::NotFound; ++i) {
            const std::uint32_t entry = table_.Value(i);
            const std::size_t p = entry >> 24 & 63;
            const std::array<int, 4>& offset = offsets_[p];
            const int g = static_cast<int>(entry >> 16 & 255);
            const int h = Wrap(static_cast<int>(entry >> 8 & 255) - y0);
            const int d[4] = {Wrap(e - offset[0]), Wrap(d2 - offset[1]), Wrap(h - offset[2]), Wrap(g - offset[3])};
            ++examined;
            positions_[p].Verify(rotor1_, r2, r3, static_cast<int>(entry >> 4 & 15), static_cast<int>(entry & 15), d,
                                 found);
            if (++hits % 4096 == 0 && stop.load(std::memory_order_relaxed))
                return;
            if (entry & HalfTable::Last)
                break;
        }
    }
    examined += static_cast<std::uint64_t>(eLast - eFirst) * RotorCount * RotorCount * N;
}

std::vector<std::uint64_t> PositionBatch::InSlotOrder(std::vector<std::uint64_t> probes) const
{
    std::vector<std::uint32_t> start(table_.Buckets() + 1, 0);
    for (const std::uint64_t probe : probes)
        ++start[table_.Order(HalfTable::Hash(probe >> 24)) + 1];
    for (std::size_t b = 1; b < start.size(); ++b)
        start[b] += start[b - 1];
    std::vector<std::uint64_t> ordered(probes.size());
    for (const std::uint64_t probe : probes)
        ordered[start[table_.Order(HalfTable::Hash(probe >> 24))]++] = probe;
    return ordered;
}

}  // namespace velista::analysis
