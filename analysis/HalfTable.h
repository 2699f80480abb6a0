// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backward halves of the machine by their key, for the meet in the middle: each distinct key once in an
// open-addressed table, pointing to the run of values stored under it.
//
// A key is the differences of slot 4's entry position at the fragment's chosen places. With one chosen place
// (a fragment of one symbol, or symbols 135 places apart) every key is the same; one table slot per value, as
// before, then made building a batch's 864,000 halves quadratic: 3.7e11 probes, minutes that no cancel reached.
// Grouped by key, the table is built in two linear passes whatever the keys are.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velista::analysis {

class HalfTable {
public:
    static constexpr std::uint32_t NotFound = 0xFFFFFFFF;
    // Set on the last value of each key's run; values themselves use at most the 31 bits below.
    static constexpr std::uint32_t Last = 0x80000000;
    // Keys use at most 40 bits, values' positions in the table at most 24.
    static constexpr std::size_t MaxValues = std::size_t{1} << 24;

    // Room for up to capacity values (at most MaxValues).
    explicit HalfTable(std::size_t capacity);

    void Add(std::uint64_t key, std::uint32_t value);
    // Groups the values by key; Add may not be called after it.
    void Seal();

    // The index of the first value under key, or NotFound; the run goes on to the value marked Last.
    std::uint32_t First(std::uint64_t key) const;
    std::uint32_t Value(std::uint32_t index) const { return values_[index]; }

private:
    static constexpr std::uint64_t Empty = ~std::uint64_t{0};
    std::size_t SlotOf(std::uint64_t key) const;
    std::size_t FindOrAdd(std::uint64_t key);

    int bits_ = 0;
    // Per slot: key << 24 | a count while adding, the run's first index once sealed.
    std::vector<std::uint64_t> slots_;
    std::vector<std::uint32_t> values_;
    std::vector<std::uint32_t> slotOfValue_;  // while adding
};

}  // namespace velista::analysis
