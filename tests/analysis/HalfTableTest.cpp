// SPDX-License-Identifier: GPL-3.0-or-later
// The meet in the middle's tables on their own: a filter in front of a table may answer "absent" only for a key that
// no value has, whether the values were added in the order of the slots or one by one, and however many share a key.

#include "analysis/HalfTable.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <random>
#include <vector>

namespace velista::analysis {
namespace {

using test::RowName;

struct TableRow {
    const char* name;
    std::size_t values;
    std::uint64_t distinctKeys;  // keys drawn from 0 to this - 1, spread over 40 bits
    bool ordered;                // added through AddAll
};

class HalfTableTest : public ::testing::TestWithParam<TableRow> {};

TEST_P(HalfTableTest, FindsEveryValueUnderItsKeyAndNothingElse)
{
    const TableRow& row = GetParam();
    std::mt19937_64 rng(static_cast<unsigned>(row.values));
    auto keyOf = [](std::uint64_t n) { return (n * 0x5851F42D4C957F2Dull) >> 24; };  // 40 bits
    HalfTable table(row.values);
    std::vector<HalfTable::Entry> entries;
    std::map<std::uint64_t, std::multiset<std::uint32_t>> expected;
    for (std::size_t v = 0; v < row.values; ++v) {
        const std::uint64_t key = keyOf(rng() % row.distinctKeys);
        entries.push_back({key, static_cast<std::uint32_t>(v)});
        expected[key].insert(static_cast<std::uint32_t>(v));
    }
    if (row.ordered) {
        table.AddAll(entries);
    } else {
        for (const HalfTable::Entry& entry : entries)
            table.Add(entry.key, entry.value);
    }
    table.Seal();
    for (const auto& [key, values] : expected) {
        ASSERT_TRUE(table.MayHold(HalfTable::Hash(key))) << key;
        std::multiset<std::uint32_t> found;
        for (std::uint32_t i = table.First(key); i != HalfTable::NotFound; ++i) {
            found.insert(table.Value(i) & ~HalfTable::Last);
            if (table.Value(i) & HalfTable::Last)
                break;
        }
        ASSERT_EQ(found, values) << key;
    }
    // Keys no value has are not found, and the filter turns most of them away.
    std::size_t passed = 0;
    for (std::uint64_t n = row.distinctKeys; n < row.distinctKeys + 10000; ++n) {
        const std::uint64_t key = keyOf(n);
        if (expected.contains(key))
            continue;
        EXPECT_EQ(table.First(key), HalfTable::NotFound) << key;
        passed += table.MayHold(HalfTable::Hash(key));
    }
    EXPECT_LT(passed, 10000u / 4);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, HalfTableTest,
    ::testing::Values(TableRow{"OnePositionDistinctKeys", 13500, std::uint64_t{1} << 40, false},
                      TableRow{"OnePositionOrdered", 13500, std::uint64_t{1} << 40, true},
                      // A fragment of one symbol gives every half one key.
                      TableRow{"EveryValueOneKey", 13500, 1, true},
                      TableRow{"FewKeysManyValues", 20000, 7, false},
                      // A batch of 64 positions: the table is Large and read in the order of its slots.
                      TableRow{"BatchOrdered", 864000, std::uint64_t{1} << 40, true}),
    RowName<TableRow>);

}  // namespace
}  // namespace velista::analysis
