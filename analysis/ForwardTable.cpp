// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ForwardTable.h"

#include "machine/Checked.h"

#include <algorithm>

namespace velista::analysis {

namespace {

constexpr int N = RotorTables::N;

}  // namespace

ForwardTable::ForwardTable(const RotorTables& tables, std::u16string_view fragment, int rotor1,
                           const std::vector<std::size_t>& chosen, const std::atomic<bool>& stop, bool build)
    : tables_(tables)
    , rotor1_(rotor1)
    , chosen_(chosen)
{
    CheckIndex(rotor1, 0, RotorCount - 1);
    if (chosen_.empty() || chosen_.size() > MaxChosen)
        ProgrammingError("forward halves need 1 to 6 chosen places");
    for (std::size_t j : chosen_)
        exitPlusStep_.push_back(static_cast<int>((tables.ExitPosition(rotor1, fragment[j]) + j - chosen_[0]) % N));
    if (!build)
        return;
    std::vector<std::uint64_t> made;
    made.reserve(std::size_t{RotorCount} * RotorCount * N * N);
    // One E makes 13,500 halves, about 0.1 ms: stop is looked at between them.
    for (int e = 0; e < N; ++e) {
        if (stop.load(std::memory_order_relaxed))
            return;
        AddHalves(e, made);
    }
    // Placed in two passes, so that each pass writes near where it wrote last: first into 256 parts by the hash's
    // top bits, then within each part into its buckets, whose directory (16 KiB), filter words (16 KiB) and halves
    // (about 56 KiB) stay in the processor's nearer caches. Placed straight into their buckets, every half went to
    // a cache line of its own in 15 MiB of halves, 4 MiB of directory and 4 MiB of filter, and placing took a fifth
    // of the 20-symbol search's CPU time at an unknown position (0.44 s a trial, sampled); now 0.11 s. Stop is
    // looked at between the passes; the directory is made complete last.
    std::vector<std::uint32_t> partStart((std::size_t{1} << PartBits) + 1, 0);
    for (const std::uint64_t half : made)
        ++partStart[Part(Hash(half >> 24)) + 1];
    for (std::size_t p = 1; p < partStart.size(); ++p)
        partStart[p] += partStart[p - 1];
    std::vector<std::uint64_t> parted(made.size());
    for (const std::uint64_t half : made)
        parted[partStart[Part(Hash(half >> 24))]++] = half;
    if (stop.load(std::memory_order_relaxed))
        return;
    std::vector<std::uint32_t> directory((std::size_t{1} << BucketBits) + 1, 0);
    for (const std::uint64_t half : parted)
        ++directory[Bucket(Hash(half >> 24)) + 1];
    for (std::size_t b = 1; b < directory.size(); ++b)
        directory[b] += directory[b - 1];
    filter_.assign(std::size_t{1} << (FilterBits - 6), 0);
    // Each bucket's start moves on as its halves are placed, to where the next bucket starts; moved back after.
    for (const std::uint64_t half : parted) {
        const std::uint64_t hash = Hash(half >> 24);
        made[directory[Bucket(hash)]++] = half;
        filter_[FilterWord(hash)] |= FilterMask(hash);
    }
    std::copy_backward(directory.begin(), directory.end() - 1, directory.end());
    directory[0] = 0;
    halves_ = std::move(made);
    directory_ = std::move(directory);
}

void ForwardTable::AddHalves(int e, std::vector<std::uint64_t>& halves) const
{
    const std::size_t chosen = chosen_.size();
    std::array<int, MaxChosen> a{};
    for (int r2 = 0; r2 < RotorCount; ++r2) {
        const auto& m2 = tables_.EntryToExit(r2);
        for (std::size_t c = 0; c < chosen; ++c)
            a[c] = m2[static_cast<std::size_t>(RotorTables::Wrap(exitPlusStep_[c] + e))];
        for (int r3 = 0; r3 < RotorCount; ++r3) {
            // Slot 3's exit position at place t is m3[a_t + D2]: every D2 at once from the table laid out twice.
            const std::uint8_t* m3 = tables_.EntryToExitTwice(r3).data();
            const auto id = static_cast<std::uint64_t>(e << 16 | r2 << 4 | r3);
            for (int d2 = 0; d2 < N; ++d2) {
                const int y0 = m3[a[0] + d2];
                std::uint64_t key = 0;
                for (std::size_t c = 1; c < chosen; ++c)
                    key |= static_cast<std::uint64_t>(RotorTables::Wrap(m3[a[c] + d2] - y0)) << (8 * (c - 1));
                halves.push_back(key << 24 | id | static_cast<std::uint64_t>(d2) << 8);
            }
        }
    }
}

int ForwardTable::FirstExit(std::uint64_t half) const
{
    const auto id = static_cast<int>(half & 0xFFFFFF);
    const int e = id >> 16, d2 = id >> 8 & 255, r2 = id >> 4 & 15, r3 = id & 15;
    const int q3 = tables_.EntryToExit(r2)[static_cast<std::size_t>(RotorTables::Wrap(exitPlusStep_[0] + e))] + d2;
    return tables_.EntryToExitTwice(r3)[static_cast<std::size_t>(q3)];
}

}  // namespace velista::analysis
