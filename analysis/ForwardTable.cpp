// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ForwardTable.h"

#include "machine/Checked.h"

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
    // Counted into their buckets, then placed: two passes that read the halves in order, about 20 ms each, stop
    // looked at between them. The directory is made complete last.
    std::vector<std::uint32_t> directory((std::size_t{1} << BucketBits) + 1, 0);
    for (const std::uint64_t half : made)
        ++directory[Bucket(Hash(half >> 24)) + 1];
    for (std::size_t b = 1; b < directory.size(); ++b)
        directory[b] += directory[b - 1];
    if (stop.load(std::memory_order_relaxed))
        return;
    halves_.resize(made.size());
    std::vector<std::uint32_t> next(directory.begin(), directory.end() - 1);
    filter_.assign(std::size_t{1} << (FilterBits - 6), 0);
    for (const std::uint64_t half : made) {
        const std::uint64_t hash = Hash(half >> 24);
        halves_[next[Bucket(hash)]++] = half;
        filter_[FilterWord(hash)] |= FilterMask(hash);
    }
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
