// SPDX-License-Identifier: GPL-3.0-or-later
// The attack's plan on its own: which candidates share a batch, which are searched alone, and how each is cut.

#include "analysis/PositionBatch.h"
#include "analysis/SearchPlan.h"
#include "machine/Alphabet.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velista::analysis {
namespace {

using test::PrintTo;
using test::RowName;

struct PlanRow {
    const char* name;
    std::size_t fragmentLength;
    std::vector<PositionScan::Candidate> candidates;
    std::vector<std::size_t> batchSizes;  // in order
    std::vector<bool> fromEnd;            // per batch
    std::vector<std::size_t> alone;       // positions searched alone, ascending
};

std::vector<PositionScan::Candidate> Run(std::size_t from, std::size_t count, int rotor1)
{
    std::vector<PositionScan::Candidate> candidates;
    for (std::size_t n = 0; n < count; ++n)
        candidates.push_back({from + (count - 1 - n), rotor1});  // descending: the plan sorts them
    return candidates;
}

class SearchPlanTest : public ::testing::TestWithParam<PlanRow> {};

TEST_P(SearchPlanTest, GroupsCandidatesIntoBatchesAndBlocks)
{
    const PlanRow& row = GetParam();
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    std::u16string fragment;
    for (std::size_t j = 0; j < row.fragmentLength; ++j)
        fragment += alphabet[(j * 37 + 11) % alphabet.size()];
    SearchPlan plan(RotorTables::Shipped(), fragment);
    plan.Plan({{5, 9}});  // a window before: its plan is replaced
    plan.Plan(row.candidates);

    std::vector<std::size_t> sizes;
    std::vector<bool> fromEnd;
    for (const SearchPlan::Batch& batch : plan.Batches()) {
        sizes.push_back(batch.positions.size());
        fromEnd.push_back(batch.fromEnd);
        EXPECT_TRUE(std::is_sorted(batch.positions.begin(), batch.positions.end()));
        for (std::size_t p : batch.positions)
            EXPECT_TRUE(PositionBatch::Serves(plan.Chosen(batch), p)) << p;
    }
    EXPECT_EQ(sizes, row.batchSizes);
    EXPECT_EQ(fromEnd, row.fromEnd);

    // Every batch and every position alone is cut into the blocks, which cover each value of E once.
    std::vector<std::size_t> alone;
    std::vector<int> covered(plan.Batches().size() + row.alone.size());
    std::size_t previous = 0;
    for (const SearchPlan::Item& item : plan.Items()) {
        EXPECT_GE(item.batch, previous);
        previous = item.batch;
        if (item.batch == SearchPlan::NoBatch && item.block == 0)
            alone.push_back(item.position);
        const std::size_t piece =
            item.batch == SearchPlan::NoBatch ? plan.Batches().size() + alone.size() - 1 : item.batch;
        ASSERT_LT(piece, covered.size());
        EXPECT_EQ(item.First(), covered[piece]);
        covered[piece] = item.Last();
    }
    EXPECT_EQ(alone, row.alone);
    for (int last : covered)
        EXPECT_EQ(last, RotorTables::N);
}

INSTANTIATE_TEST_SUITE_P(
    Candidates, SearchPlanTest,
    ::testing::Values(
        PlanRow{"SixtyFiveMakeTwoBatches", 20, Run(0, 65, 3), {64, 1}, {false, false}, {}},
        PlanRow{"RotorsApart", 20, {{10, 4}, {11, 2}, {12, 4}}, {1, 2}, {false, false}, {}},
        // From position 130 the start's places cross 135 and the end's do not.
        PlanRow{"StartCrossesAStretchEnd", 30, {{130, 1}, {10, 1}}, {1, 1}, {false, true}, {}},
        // 276 symbols cross a stretch's end at both ends: searched alone, each position in its blocks.
        PlanRow{"BothEndsCross", 276, {{133, 0}, {132, 0}, {0, 0}}, {1}, {false}, {132, 133}}),
    RowName<PlanRow>);

}  // namespace
}  // namespace velista::analysis
