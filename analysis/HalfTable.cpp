// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/HalfTable.h"

#include "machine/Checked.h"

#include <algorithm>
#include <bit>

namespace velista::analysis {

HalfTable::HalfTable(std::size_t capacity)
{
    if (capacity == 0 || capacity > MaxValues)
        ProgrammingError("a table of halves holds 1 to 2^24 values");
    // At most half full, as the tables before it: a lookup that misses stops after about two probes.
    bits_ = static_cast<int>(std::bit_width(2 * capacity - 1));
    slots_.assign(std::size_t{1} << bits_, Empty);
    // Four bits a slot, so at least eight a value: about one miss in eight finds its bit set.
    filterBits_ = bits_ + 2;
    filter_.assign(std::size_t{1} << (filterBits_ - 6), 0);
    // Buckets of 512 slots (4 KiB), at most 4,096 of them.
    orderBits_ = std::clamp(bits_ - 9, 1, 12);
    values_.reserve(capacity);
    slotOfValue_.reserve(capacity);
}

std::size_t HalfTable::FindOrAdd(std::uint64_t key)
{
    std::size_t slot = SlotOf(key);
    while (slots_[slot] != Empty && slots_[slot] >> 24 != key)
        slot = (slot + 1) & (slots_.size() - 1);
    if (slots_[slot] == Empty)
        slots_[slot] = key << 24;
    return slot;
}

void HalfTable::Add(std::uint64_t key, std::uint32_t value)
{
    if (values_.size() == values_.capacity() || (value & Last) != 0 || key >> 40 != 0)
        ProgrammingError("a value beyond the table's room or range");
    const std::size_t slot = FindOrAdd(key);
    const std::uint64_t bit = Hash(key) >> (64 - filterBits_);
    filter_[bit >> 6] |= std::uint64_t{1} << (bit & 63);
    ++slots_[slot];  // the count, in the low 24 bits
    slotOfValue_.push_back(static_cast<std::uint32_t>(slot));
    values_.push_back(value);
}

void HalfTable::AddAll(const std::vector<Entry>& entries)
{
    std::vector<std::uint32_t> start(Buckets() + 1, 0);
    for (const Entry& entry : entries)
        ++start[Order(Hash(entry.key)) + 1];
    for (std::size_t b = 1; b < start.size(); ++b)
        start[b] += start[b - 1];
    std::vector<Entry> ordered(entries.size());
    for (const Entry& entry : entries)
        ordered[start[Order(Hash(entry.key))]++] = entry;
    for (const Entry& entry : ordered)
        Add(entry.key, entry.value);
}

void HalfTable::Seal()
{
    // Counts to the end of each run, then each value placed backwards from its run's end: the low bits end at
    // the run's first index.
    std::uint64_t end = 0;
    for (std::uint64_t& slot : slots_) {
        if (slot == Empty)
            continue;
        end += slot & Low24;
        slot = (slot & ~Low24) | end;
    }
    std::vector<std::uint32_t> grouped(values_.size());
    for (std::size_t i = 0; i < values_.size(); ++i) {
        std::uint64_t& slot = slots_[slotOfValue_[i]];
        --slot;
        grouped[slot & Low24] = values_[i];
    }
    for (const std::uint64_t slot : slots_) {
        if (slot != Empty && (slot & Low24) != 0)
            grouped[(slot & Low24) - 1] |= Last;
    }
    if (!grouped.empty())
        grouped.back() |= Last;
    values_ = std::move(grouped);
    slotOfValue_ = {};
}

}  // namespace velista::analysis
