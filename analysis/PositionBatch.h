// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search at a batch of fragment positions at once, for one slot-1 rotor: the backward halves of every position
// go into one table, and one sweep of the forward halves looks them all up.
//
// The search meets in the middle at slot 4's entry (see MiddleMeeting). A few fragment places are chosen with
// different slot-1 exit positions. While they lie in one stretch of 135, slot 1's exit position at place t is its
// plain symbol's exit-row position plus (j_t - j_0) plus a number E that holds the key and the position, and the
// odometer's other offsets are constants that join the key differences. So one sweep of the 1,822,500 forward
// halves (E, rotor 2, D2 + offset, rotor 3) serves every position in the batch, each of which adds its 13,500
// backward halves (rotor 4, rotor 5, D4 + offset) to the table.
//
// Where a rotor and side serve many positions, the forward halves are made once (ForwardTable) and each position's
// backward halves are looked up there instead (Meet): the batch then holds no table.

#include "analysis/AttackSetting.h"
#include "analysis/ForwardTable.h"
#include "analysis/HalfTable.h"
#include "analysis/MiddleMeeting.h"
#include "analysis/RotorTables.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velista::analysis {

class PositionBatch {
public:
    static constexpr std::size_t MaxChosen = 6;
    static constexpr std::size_t MaxPositions = 64;

    // Up to six alphabet places of the fragment with different slot-1 exit positions under rotor1, from the
    // fragment's start or, with fromEnd, from its end; in ascending order.
    static std::vector<std::size_t> Choose(const RotorTables& tables, std::u16string_view fragment, int rotor1,
                                           bool fromEnd);
    // True when the chosen places lie in one stretch with the fragment at this position.
    static bool Serves(const std::vector<std::size_t>& chosen, std::size_t position);

    // Every position must be served by chosen and fit the fragment's pattern; at most MaxPositions of them.
    // Stops adding positions once stop is set: such a batch may only be dropped. Without backwardTable, only Meet
    // may be called.
    PositionBatch(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment, int rotor1,
                  std::vector<std::size_t> chosen, const std::vector<std::size_t>& positions,
                  const std::atomic<bool>& stop, bool backwardTable = true);

    // Every setting with E from eFirst to eLast - 1 that turns the fragment into the ciphertext at one of the
    // positions, added to found; adds the partial settings computed to examined. Returns early, leaving the rest
    // unsearched, once stop is set.
    void Sweep(int eFirst, int eLast, const std::atomic<bool>& stop, FoundSettings& found,
               std::uint64_t& examined) const;
    // The same for the backward halves with D4 + offset from gFirst to gLast - 1 at every position, looked up in
    // forward, which must have been made for this batch's rotor and chosen places.
    void Meet(const ForwardTable& forward, int gFirst, int gLast, const std::atomic<bool>& stop, FoundSettings& found,
              std::uint64_t& examined) const;

private:
    static std::uint64_t KeyOf(const int* values, std::size_t count);
    // The probes ordered by the table's slots, so that a large table is read bucket by bucket.
    std::vector<std::uint64_t> InSlotOrder(std::vector<std::uint64_t> probes) const;

    const RotorTables& tables_;
    int rotor1_;
    std::vector<std::size_t> chosen_;
    ForwardTable forward_;  // makes the forward halves for Sweep, holding none
    // Slot 5's entry position of the ciphertext symbol at each chosen place, per position and rotor 5.
    std::vector<std::array<std::array<std::uint8_t, MaxChosen>, RotorCount>> q5_;
    std::vector<MiddleMeeting> positions_;
    std::vector<std::array<int, 4>> offsets_;  // the odometer's offsets at each position's first chosen place
    // By key: position in the batch << 24 | D4 + offset << 16 | slot-4 entry at the first chosen place << 8
    // | rotor 4 << 4 | rotor 5. 864,000 halves for 64 positions: 16 MiB of slots and 3.3 MiB of values.
    std::optional<HalfTable> table_;
};

}  // namespace velista::analysis
