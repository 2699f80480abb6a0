// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backward halves of the machine by their key, for the meet in the middle: each distinct key once in an
// open-addressed table, pointing to the run of values stored under it.
//
// A key is the differences of slot 4's entry position at the fragment's chosen places. With one chosen place
// (a fragment of one symbol, or symbols 135 places apart) every key is the same; one table slot per value, as
// before, then made building a batch's 864,000 halves quadratic: 3.7e11 probes, minutes that no cancel reached.
// Grouped by key, the table is built in two linear passes whatever the keys are.
//
// A batch's slots take 16 MiB, and halves added or looked up in the order they are made read them at random: on
// the shared build machine each access went to memory, 0.5 s of CPU for a batch of 64 positions (20 symbols in
// 10 KiB, 71 batches: 35.6 s of CPU). So a batch adds its halves, and its sweep looks its keys up, in the order of
// their slots (Order), a bucket of slots at a time: 12.7 s. Nearly every lookup misses; four filter bits a slot,
// from the same hash, answer most misses (7 in 8) before any slot is read.

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
    struct Entry {
        std::uint64_t key;
        std::uint32_t value;
    };
    // Adds every entry, in the order of their slots.
    void AddAll(const std::vector<Entry>& entries);
    // Groups the values by key; Add may not be called after it.
    void Seal();

    // The index of the first value under key, or NotFound; the run goes on to the value marked Last.
    std::uint32_t First(std::uint64_t key) const
    {
        const std::uint64_t hash = Hash(key);
        if (!MayHold(hash))
            return NotFound;
        for (std::size_t slot = hash >> (64 - bits_); slots_[slot] != Empty; slot = (slot + 1) & (slots_.size() - 1)) {
            if (slots_[slot] >> 24 == key)
                return static_cast<std::uint32_t>(slots_[slot] & Low24);
        }
        return NotFound;
    }
    // The key's hash, for MayHold, First and Order.
    static std::uint64_t Hash(std::uint64_t key) { return key * 0x9E3779B97F4A7C15ull; }
    // Keys looked up in ascending order of this (below Buckets()) read the slots from start to end.
    std::size_t Order(std::uint64_t hash) const { return static_cast<std::size_t>(hash >> (64 - orderBits_)); }
    std::size_t Buckets() const { return std::size_t{1} << orderBits_; }
    // True when the slots take more than a processor's second-level cache, so that lookups pay for being ordered.
    bool Large() const { return slots_.size() > (std::size_t{1} << 16); }
    // False when no value is stored under the key of this hash; true for about one in eight other keys.
    bool MayHold(std::uint64_t hash) const
    {
        const std::uint64_t bit = hash >> (64 - filterBits_);
        return (filter_[bit >> 6] >> (bit & 63) & 1) != 0;
    }
    std::uint32_t Value(std::uint32_t index) const { return values_[index]; }

private:
    static constexpr std::uint64_t Empty = ~std::uint64_t{0};
    static constexpr std::uint64_t Low24 = (std::uint64_t{1} << 24) - 1;
    std::size_t SlotOf(std::uint64_t key) const { return static_cast<std::size_t>(Hash(key) >> (64 - bits_)); }
    std::size_t FindOrAdd(std::uint64_t key);

    int bits_ = 0, filterBits_ = 0, orderBits_ = 0;
    std::vector<std::uint64_t> filter_;
    // Per slot: key << 24 | a count while adding, the run's first index once sealed.
    std::vector<std::uint64_t> slots_;
    std::vector<std::uint32_t> values_;
    std::vector<std::uint32_t> slotOfValue_;  // while adding
};

}  // namespace velista::analysis
