// SPDX-License-Identifier: GPL-3.0-or-later
// The forward table finds every half it made under that half's key, and its filter passes every such key: with
// few chosen places many halves share a key and a bucket, with six nearly every key is a bucket of its own.

#include "analysis/ForwardTable.h"
#include "analysis/RotorTables.h"
#include "machine/Alphabet.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <vector>

namespace velista::analysis {
namespace {

using test::PrintTo;
using test::RowName;

struct ForwardRow {
    const char* name;
    std::size_t places;  // chosen among the fragment's first places
    int rotor1;
    unsigned seed;
};

class ForwardTableTest : public ::testing::TestWithParam<ForwardRow> {};

TEST_P(ForwardTableTest, FindsEveryHalfUnderItsKeyAndItsFilterPassesIt)
{
    const ForwardRow& row = GetParam();
    std::mt19937 rng(row.seed);
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    std::u16string fragment;
    for (int i = 0; i < 20; ++i)
        fragment += alphabet[rng() % alphabet.size()];
    std::vector<std::size_t> chosen;
    for (std::size_t j = 0; j < row.places; ++j)
        chosen.push_back(j * 3);
    const std::atomic<bool> stop{false};
    const ForwardTable table(RotorTables::Shipped(), fragment, row.rotor1, chosen, stop);
    ASSERT_TRUE(table.Complete());

    std::vector<std::uint64_t> made;
    for (int e = 0; e < RotorTables::N; ++e)
        table.AddHalves(e, made);
    std::sort(made.begin(), made.end());
    // Key by key: the halves of that key in its bucket are exactly those made. Each key looked up costs a few reads
    // at random in 23 MiB, so only the keys of every eighth bucket, the first and the last among them.
    constexpr std::uint64_t LastBucket = (std::uint64_t{1} << ForwardTable::BucketBits) - 1;
    for (auto from = made.begin(); from != made.end();) {
        const std::uint64_t key = *from >> 24;
        const auto to = std::find_if(from, made.end(), [key](std::uint64_t half) { return half >> 24 != key; });
        const std::uint64_t hash = ForwardTable::Hash(key);
        const std::uint64_t bucket = hash >> (64 - ForwardTable::BucketBits);
        if (bucket % 8 != 0 && bucket != LastBucket) {
            from = to;
            continue;
        }
        ASSERT_TRUE(table.MayHold(hash)) << "key " << key;
        std::ptrdiff_t found = 0;
        for (const std::uint64_t* half = table.Begin(hash); half != table.End(hash); ++half) {
            if (*half >> 24 != key)
                continue;
            ++found;
            ASSERT_TRUE(std::binary_search(from, to, *half)) << "key " << key;
        }
        ASSERT_EQ(found, to - from) << "key " << key;
        from = to;
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, ForwardTableTest,
                         ::testing::Values(ForwardRow{"TwoPlaces", 2, 0, 1}, ForwardRow{"FourPlaces", 4, 5, 2},
                                           ForwardRow{"SixPlaces", 6, 9, 3}),
                         RowName<ForwardRow>);

}  // namespace
}  // namespace velista::analysis
