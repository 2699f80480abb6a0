#include "ForwardHalves.h"

#include <Checked.h>

#include <algorithm>

namespace velista::analysis {

namespace {
constexpr int N = RotorTables::N;
}

std::size_t ForwardHalves::Slot(std::uint64_t key)
{
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - TableBits));
}

std::uint64_t ForwardHalves::KeyOf(const int* values, std::size_t count)
{
    std::uint64_t key = 0;
    for (std::size_t c = 1; c < count; ++c)
        key |= static_cast<std::uint64_t>((values[c] - values[0] + N) % N) << (8 * (c - 1));
    return key;
}

ForwardHalves::ForwardHalves(const RotorTables& tables, std::u16string_view fragment, int rotor1, bool fromEnd)
    : tables_(tables)
    , rotor1_(rotor1)
    , table_(std::size_t{1} << TableBits, Empty)
{
    chosen_ = Choose(tables, fragment, rotor1, fromEnd);
    for (std::size_t j : chosen_)
        exitPlusStep_.push_back(static_cast<int>((tables.ExitPosition(rotor1, fragment[j]) + j - chosen_[0]) % N));

    const std::size_t count = chosen_.size();
    std::array<int, MaxChosen> q2{}, q3{}, y{};
    for (int e = 0; e < N; ++e) {
        for (std::size_t c = 0; c < count; ++c)
            q2[c] = (exitPlusStep_[c] + e) % N;
        for (int r2 = 0; r2 < RotorCount; ++r2) {
            const auto& m2 = tables.EntryToExit(r2);
            for (int d2 = 0; d2 < N; ++d2) {
                for (std::size_t c = 0; c < count; ++c)
                    q3[c] = (m2[static_cast<std::size_t>(q2[c])] + d2) % N;
                for (int r3 = 0; r3 < RotorCount; ++r3) {
                    const auto& m3 = tables.EntryToExit(r3);
                    for (std::size_t c = 0; c < count; ++c)
                        y[c] = m3[static_cast<std::size_t>(q3[c])];
                    const std::uint64_t key = KeyOf(y.data(), count);
                    std::size_t slot = Slot(key);
                    while (table_[slot] != Empty)
                        slot = (slot + 1) & (table_.size() - 1);
                    table_[slot] = key << 24 | static_cast<std::uint64_t>(e | r2 << 8 | d2 << 12 | r3 << 20);
                }
            }
        }
    }
}

std::vector<std::size_t> ForwardHalves::Choose(const RotorTables& tables, std::u16string_view fragment, int rotor1,
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

bool ForwardHalves::Serves(const std::vector<std::size_t>& chosen, std::size_t position)
{
    const auto n = static_cast<std::size_t>(N);
    return (position + chosen.front()) / n == (position + chosen.back()) / n;
}

bool ForwardHalves::Serves(std::size_t position) const
{
    return Serves(chosen_, position);
}

int ForwardHalves::FirstExit(const Half& half) const
{
    const int q2 = (exitPlusStep_[0] + half.e) % N;
    const int q3 = (tables_.EntryToExit(half.r2)[static_cast<std::size_t>(q2)] + half.d2) % N;
    return tables_.EntryToExit(half.r3)[static_cast<std::size_t>(q3)];
}

}  // namespace velista::analysis
