// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/PositionBatch.h"

#include "machine/Checked.h"

#include <algorithm>
#include <bit>

namespace velista::analysis {

namespace {

constexpr int N = RotorTables::N;

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

inline std::uint64_t PositionBatch::KeyOf(const int* values, std::size_t count)
{
    std::uint64_t key = 0;
    for (std::size_t c = 1; c < count; ++c)
        key |= static_cast<std::uint64_t>(RotorTables::Wrap(values[c] - values[0])) << (8 * (c - 1));
    return key;
}

PositionBatch::PositionBatch(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                             int rotor1, std::vector<std::size_t> chosen, const std::vector<std::size_t>& positions,
                             const std::atomic<bool>& stop, bool backwardTable)
    : tables_(tables)
    , rotor1_(rotor1)
    , chosen_(std::move(chosen))
    , forward_(tables, fragment, rotor1, chosen_, stop, false)
{
    if (chosen_.empty() || chosen_.size() > MaxChosen || positions.empty() || positions.size() > MaxPositions)
        ProgrammingError("a batch needs 1 to 6 chosen places and 1 to 64 positions");
    const std::size_t count = chosen_.size();
    for (const std::size_t position : positions) {
        if (!Serves(chosen_, position))
            ProgrammingError("a batch position that its chosen places do not serve");
        positions_.emplace_back(tables, ciphertext, fragment, position, false);
        offsets_.push_back(MiddleMeeting::Offsets(position + chosen_[0]));
        auto& q5 = q5_.emplace_back();
        for (int r5 = 0; r5 < RotorCount; ++r5) {
            for (std::size_t c = 0; c < count; ++c)
                q5[static_cast<std::size_t>(r5)][c] = tables.EntryPosition(r5, ciphertext[position + chosen_[c]]);
        }
    }
    if (!backwardTable)
        return;
    table_.emplace(positions.size() * RotorCount * RotorCount * N);
    std::array<int, MaxChosen> z{};
    std::vector<HalfTable::Entry> halves;
    halves.reserve(positions.size() * RotorCount * RotorCount * N);
    // A position's 13,500 halves take about 0.3 ms: stop is looked at between positions.
    for (std::size_t p = 0; p < positions.size() && !stop.load(std::memory_order_relaxed); ++p) {
        for (int r4 = 0; r4 < RotorCount; ++r4) {
            const auto& m4Inverse = tables.ExitToEntry(r4);
            for (int r5 = 0; r5 < RotorCount; ++r5) {
                const auto& q5 = q5_[p][static_cast<std::size_t>(r5)];
                for (int g = 0; g < N; ++g) {
                    for (std::size_t c = 0; c < count; ++c)
                        z[c] = m4Inverse[static_cast<std::size_t>(RotorTables::Wrap(q5[c] - g))];
                    const auto value = static_cast<std::size_t>(g << 16 | z[0] << 8 | r4 << 4 | r5);
                    halves.push_back({KeyOf(z.data(), count), static_cast<std::uint32_t>(p << 24 | value)});
                }
            }
        }
    }
    table_->AddAll(halves);
    table_->Seal();
}

void PositionBatch::Sweep(int eFirst, int eLast, const std::atomic<bool>& stop, FoundSettings& found,
                          std::uint64_t& examined) const
{
    CheckIndex(eFirst, 0, N);
    CheckIndex(eLast, eFirst, N);
    if (!table_)
        ProgrammingError("a sweep without the backward table");
    const HalfTable& table = *table_;
    std::vector<std::uint64_t> probes;
    probes.reserve(static_cast<std::size_t>(eLast - eFirst) * RotorCount * RotorCount * N);
    for (int e = eFirst; e < eLast; ++e) {
        if (stop.load(std::memory_order_relaxed))
            return;
        forward_.AddHalves(e, probes);
    }
    if (table.Large())
        probes = InSlotOrder(std::move(probes));

    // Where few places are chosen a key may hold every half: stop is looked at every 4,096 hits too.
    std::uint32_t hits = 0;
    for (std::size_t n = 0; n < probes.size(); ++n) {
        if (n % 4096 == 4095 && stop.load(std::memory_order_relaxed))
            return;
        const std::uint64_t key = probes[n] >> 24;
        if (!table.MayHold(HalfTable::Hash(key)))
            continue;
        const auto probe = static_cast<int>(probes[n] & 0xFFFFFF);
        const int e = probe >> 16, d2 = probe >> 8 & 255, r2 = probe >> 4 & 15, r3 = probe & 15;
        const int y0 = forward_.FirstExit(probes[n]);
        for (std::uint32_t i = table.First(key); i != HalfTable::NotFound; ++i) {
            const std::uint32_t entry = table.Value(i);
            const std::size_t p = entry >> 24 & 63;
            const std::array<int, 4>& offset = offsets_[p];
            const int g = static_cast<int>(entry >> 16 & 255);
            const int h = RotorTables::Wrap(static_cast<int>(entry >> 8 & 255) - y0);
            const int d[4] = {RotorTables::Wrap(e - offset[0]), RotorTables::Wrap(d2 - offset[1]), RotorTables::Wrap(h - offset[2]), RotorTables::Wrap(g - offset[3])};
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

void PositionBatch::Meet(const ForwardTable& forward, int gFirst, int gLast, const std::atomic<bool>& stop,
                         FoundSettings& found, std::uint64_t& examined) const
{
    CheckIndex(gFirst, 0, N);
    CheckIndex(gLast, gFirst, N);
    if (forward.Rotor1() != rotor1_ || forward.Chosen() != chosen_)
        ProgrammingError("forward halves made for another rotor or other places");
    if (!forward.Complete())
        return;
    const std::size_t count = chosen_.size();
    // Every backward half of the block that the forward table's filter passes (about one in ninety), as its key
    // << 24 | position in the batch << 16 | g << 8 | rotor 4 << 4 | rotor 5. The filter is looked up as the keys
    // are made, in no order: its 4 MiB stay in the processor's last cache, and lookups that do not wait on each
    // other overlap, the more so as each row of keys asks for its words ahead (Prefetch). For 20 symbols in 10 KiB
    // (velista_attack_lengths, ten trials, three rounds taking turns), writing every half (7 MiB for 64
    // positions), sorting them by the filter's place, then filtering took 0.88-1.06 s; without the sort 0.86-0.95 s;
    // with the words asked for ahead 0.79-0.87 s.
    std::vector<std::uint64_t> passed;
    const auto width = static_cast<std::size_t>(gLast - gFirst);
    std::uint64_t probed = 0;
    // Slot 4's entry position at place t is ExitToEntry[q5_t - g]: every g of the block at once, from the table laid
    // out backwards. (GCC 12 keeps these loops scalar; the filter's reads, not they, bound the meeting.)
    std::array<std::uint64_t, N> keys{}, hashes{};
    for (std::size_t p = 0; p < positions_.size(); ++p) {
        if (stop.load(std::memory_order_relaxed))
            return;
        for (int r4 = 0; r4 < RotorCount; ++r4) {
            const std::uint8_t* backwards = tables_.ExitToEntryBackwards(r4).data() + gFirst + N;
            for (int r5 = 0; r5 < RotorCount; ++r5) {
                const auto& q5 = q5_[p][static_cast<std::size_t>(r5)];
                const std::uint8_t* z0 = backwards - q5[0];
                std::fill_n(keys.begin(), width, 0);
                for (std::size_t c = 1; c < count; ++c) {
                    const std::uint8_t* z = backwards - q5[c];
                    const auto shift = static_cast<int>(8 * (c - 1));
                    for (std::size_t g = 0; g < width; ++g) {
                        const int v = z[g] - z0[g];
                        keys[g] |= static_cast<std::uint64_t>(v < 0 ? v + N : v) << shift;
                    }
                }
                const auto id = static_cast<std::uint64_t>(p << 16 | static_cast<std::size_t>(r4 << 4 | r5));
                for (std::size_t g = 0; g < width; ++g) {
                    hashes[g] = ForwardTable::Hash(keys[g]);
                    forward.Prefetch(hashes[g]);
                }
                for (std::size_t g = 0; g < width; ++g) {
                    if (forward.MayHold(hashes[g]))
                        passed.push_back(keys[g] << 24 | id | (gFirst + g) << 8);
                }
                probed += width;
            }
        }
    }

    // Where few places are chosen a key may hold every half: stop is looked at every 4,096 hits too.
    std::uint32_t hits = 0;
    for (std::size_t n = 0; n < passed.size(); ++n) {
        if (n % 4096 == 4095 && stop.load(std::memory_order_relaxed))
            return;
        const std::uint64_t key = passed[n] >> 24;
        const std::uint64_t hash = ForwardTable::Hash(key);
        const auto probe = static_cast<int>(passed[n] & 0xFFFFFF);
        const auto p = static_cast<std::size_t>(probe >> 16);
        const int g = probe >> 8 & 255, r4 = probe >> 4 & 15, r5 = probe & 15;
        for (const std::uint64_t* half = forward.Begin(hash); half != forward.End(hash); ++half) {
            if (*half >> 24 != key)
                continue;
            const auto id = static_cast<int>(*half & 0xFFFFFF);
            const int e = id >> 16, d2 = id >> 8 & 255, r2 = id >> 4 & 15, r3 = id & 15;
            const int q5 = q5_[p][static_cast<std::size_t>(r5)][0];
            const int z0 = tables_.ExitToEntry(r4)[static_cast<std::size_t>(RotorTables::Wrap(q5 - g))];
            const std::array<int, 4>& offset = offsets_[p];
            const int h = RotorTables::Wrap(z0 - forward.FirstExit(*half));
            const int d[4] = {RotorTables::Wrap(e - offset[0]), RotorTables::Wrap(d2 - offset[1]), RotorTables::Wrap(h - offset[2]), RotorTables::Wrap(g - offset[3])};
            ++examined;
            positions_[p].Verify(rotor1_, r2, r3, r4, r5, d, found);
            if (++hits % 4096 == 0 && stop.load(std::memory_order_relaxed))
                return;
        }
    }
    examined += probed;
}

std::vector<std::uint64_t> PositionBatch::InSlotOrder(std::vector<std::uint64_t> probes) const
{
    std::vector<std::uint32_t> start(table_->Buckets() + 1, 0);
    for (const std::uint64_t probe : probes)
        ++start[table_->Order(HalfTable::Hash(probe >> 24)) + 1];
    for (std::size_t b = 1; b < start.size(); ++b)
        start[b] += start[b - 1];
    std::vector<std::uint64_t> ordered(probes.size());
    for (const std::uint64_t probe : probes)
        ordered[start[table_->Order(HalfTable::Hash(probe >> 24))]++] = probe;
    return ordered;
}

}  // namespace velista::analysis
