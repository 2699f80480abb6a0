// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/SearchPlan.h"

#include "analysis/PositionBatch.h"

#include <algorithm>
#include <tuple>

namespace velista::analysis {

SearchPlan::SearchPlan(const RotorTables& tables, std::u16string_view fragment)
    : tables_(tables)
    , fragment_(fragment)
{
}

void SearchPlan::Plan(const std::vector<PositionScan::Candidate>& candidates)
{
    batches_.clear();
    items_.clear();
    std::array<std::array<std::vector<std::size_t>, 2>, RotorCount> grouped;
    for (const PositionScan::Candidate& c : candidates) {
        const auto r = static_cast<std::size_t>(c.rotor1);
        bool served = false;
        for (std::size_t side = 0; side < 2 && !served; ++side) {
            auto& places = chosen_[r][side];
            if (places.empty())
                places = PositionBatch::Choose(tables_, fragment_, c.rotor1, side == 1);
            if (PositionBatch::Serves(places, c.position)) {
                grouped[r][side].push_back(c.position);
                served = true;
            }
        }
        if (!served) {
            for (int b = 0; b < Blocks; ++b)
                items_.push_back({NoBatch, c.position, c.rotor1, b});
        }
    }
    for (int r = 0; r < RotorCount; ++r) {
        for (std::size_t side = 0; side < 2; ++side) {
            auto& positions = grouped[static_cast<std::size_t>(r)][side];
            std::sort(positions.begin(), positions.end());
            for (std::size_t at = 0; at < positions.size(); at += PositionBatch::MaxPositions) {
                const std::size_t end = std::min(positions.size(), at + PositionBatch::MaxPositions);
                batches_.push_back({r, side == 1, {positions.begin() + static_cast<std::ptrdiff_t>(at),
                                                   positions.begin() + static_cast<std::ptrdiff_t>(end)}});
                for (int b = 0; b < Blocks; ++b)
                    items_.push_back({batches_.size() - 1, 0, r, b});
            }
        }
    }
    std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
        return std::tie(a.batch, a.position) < std::tie(b.batch, b.position);
    });
}

}  // namespace velista::analysis
