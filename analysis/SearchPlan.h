// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attack's second stage: the scan's candidates (a position and a slot-1 rotor) grouped into the pieces the
// meet in the middle works on. Positions whose chosen places lie in one stretch go into batches of up to 64 that
// share one sweep (PositionBatch); a position where the fragment crosses a stretch's end at both its chosen ends
// is searched alone (MiddleMeeting). Each is cut into blocks of the first key difference, so that a single
// slot-1 rotor at a single position still keeps every core busy.

#include "analysis/PositionScan.h"
#include "analysis/RotorTables.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace velista::analysis {

class SearchPlan {
public:
    static constexpr int Blocks = 10;
    static constexpr std::size_t NoBatch = ~std::size_t{0};

    struct Batch {
        int rotor1;
        bool fromEnd;  // the places were chosen from the fragment's end
        std::vector<std::size_t> positions;
    };
    // A block of E (or D1) values, swept for a batch or searched at one position alone.
    struct Item {
        std::size_t batch;     // index into Batches(), or NoBatch
        std::size_t position;  // for NoBatch
        int rotor1;
        int block;
        // The block's values of E or D1: from First() to Last() - 1.
        int First() const { return block * RotorTables::N / Blocks; }
        int Last() const { return (block + 1) * RotorTables::N / Blocks; }
    };

    SearchPlan(const RotorTables& tables, std::u16string_view fragment);

    // Plans one window's candidates, in place of the one before; the chosen places are kept across windows.
    void Plan(const std::vector<PositionScan::Candidate>& candidates);

    // Batches by slot-1 rotor, then from the start before from the end, their positions ascending.
    const std::vector<Batch>& Batches() const { return batches_; }
    // Batch by batch, then the positions searched alone in ascending order.
    const std::vector<Item>& Items() const { return items_; }
    // The places a batch's positions share; chosen when a candidate with that rotor was first planned.
    const std::vector<std::size_t>& Chosen(const Batch& batch) const
    {
        return chosen_[static_cast<std::size_t>(batch.rotor1)][batch.fromEnd ? 1 : 0];
    }

private:
    const RotorTables& tables_;
    std::u16string_view fragment_;
    std::array<std::array<std::vector<std::size_t>, 2>, RotorCount> chosen_;
    std::vector<Batch> batches_;
    std::vector<Item> items_;
};

}  // namespace velista::analysis
