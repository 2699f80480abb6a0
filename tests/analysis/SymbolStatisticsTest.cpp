// SPDX-License-Identifier: GPL-3.0-or-later
// Symbol counts and the index of coincidence against counts made by hand.

#include "analysis/SymbolStatistics.h"

#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velista::analysis {
namespace {

using test::RowName;

struct CountRow {
    const char* name;
    std::u16string text;
    std::vector<std::pair<char16_t, std::uint64_t>> counts;  // every symbol that occurs
    std::uint64_t length, symbols;
    double index;
};

class StatisticsTest : public ::testing::TestWithParam<CountRow> {};

TEST_P(StatisticsTest, CountsAsByHand)
{
    const CountRow& row = GetParam();
    // Counted in one piece and in two pieces split in the middle.
    SymbolStatistics whole(row.text);
    SymbolStatistics pieces;
    pieces.Add(std::u16string_view(row.text).substr(0, row.text.size() / 2));
    pieces.Add(std::u16string_view(row.text).substr(row.text.size() / 2));
    for (const SymbolStatistics* s : {&whole, &pieces}) {
        EXPECT_EQ(s->Length(), row.length);
        EXPECT_EQ(s->SymbolCount(), row.symbols);
        EXPECT_NEAR(s->IndexOfCoincidence(), row.index, 1e-12);
        std::uint64_t listed = 0;
        for (auto [symbol, count] : row.counts) {
            EXPECT_EQ(s->Count(symbol), count) << static_cast<int>(symbol);
            listed += count;
        }
        // No other symbol was counted.
        std::uint64_t all = 0;
        for (int i = 0; i < SymbolStatistics::Symbols; ++i)
            all += s->Count(i);
        EXPECT_EQ(all, listed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StatisticsTest,
    ::testing::Values(
        // м 3, а 4, space 2: (3·2 + 4·3 + 2·1) / (15·14)
        CountRow{"Sentence", u"Мама мыла раму.",
                 {{u'М', 1}, {u'а', 4}, {u'м', 3}, {u' ', 2}, {u'ы', 1}, {u'л', 1}, {u'р', 1}, {u'у', 1}, {u'.', 1}},
                 15, 15, 20.0 / 210.0},
        CountRow{"OutsideCountsOnlyInLength", u"Ёж!\r\nёж\t?", {{u'ж', 2}}, 9, 2, 1.0},
        CountRow{"CaseApart", u"AaAa", {{u'A', 2}, {u'a', 2}}, 4, 4, 4.0 / 12.0},
        CountRow{"AllDifferent", u"0123456789", {{u'0', 1}, {u'1', 1}, {u'2', 1}, {u'3', 1}, {u'4', 1},
                                               {u'5', 1}, {u'6', 1}, {u'7', 1}, {u'8', 1}, {u'9', 1}}, 10, 10, 0.0},
        CountRow{"OneSymbol", u"я", {{u'я', 1}}, 1, 1, 0.0},
        CountRow{"Empty", u"", {}, 0, 0, 0.0},
        // 1001 symbols: a long run through the unrolled loop and its tail.
        CountRow{"LongRun", std::u16string(1001, u'Ж') + u"ж", {{u'Ж', 1001}, {u'ж', 1}}, 1002, 1002,
                 1001.0 * 1000.0 / (1002.0 * 1001.0)}),
    RowName<CountRow>);

}  // namespace
}  // namespace velista::analysis
