// SPDX-License-Identifier: GPL-3.0-or-later
// The alphabet, the twenty wiring texts, the catalogue built from them, CharAt and the character filter.

#include "installation/CharAt.h"
#include "machine/FilterKey.h"
#include "tests/machine/FakeMachineWindow.h"

#include <algorithm>

namespace velista::test {

// The 135 symbols in code-point order, group by group.
static std::u16string AlphabetInCodeOrder()
{
    std::u16string symbols = u" (),-.0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ[]abcdefghijklmnopqrstuvwxyz";
    for (char16_t c = u'А'; c <= u'я'; ++c)
        symbols += c;
    return symbols;
}

class WiringLiteralTest : public ::testing::TestWithParam<int> {};

TEST_P(WiringLiteralTest, HoldsEveryAlphabetSymbolOnce)
{
    std::u16string sorted(RotorWiringText::Literal(GetParam()));
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, AlphabetInCodeOrder());
}

INSTANTIATE_TEST_SUITE_P(AllTwenty, WiringLiteralTest, ::testing::Range(0, 20));

TEST(WiringTest, RowsBeginAndEndAsShipped)
{
    const struct { int text; std::u16string_view begins, ends; } rows[] = {
        {0, u"sfcж", u"RD"}, {10, u"iHБф", u" :"}, {9, u"gfчV", u""}, {19, u"BПДq", u""}};
    for (const auto& row : rows) {
        EXPECT_TRUE(RotorWiringText::Literal(row.text).starts_with(row.begins)) << "text " << row.text;
        EXPECT_TRUE(RotorWiringText::Literal(row.text).ends_with(row.ends)) << "text " << row.text;
    }
    EXPECT_EQ(RotorWiringText::Literal(0)[127], u'A');
    EXPECT_EQ(RotorWiringText::Literal(0)[131], u' ');
}

TEST(AlphabetTest, IsRotor0EntryRowAndHoldsNothingElse)
{
    EXPECT_EQ(Alphabet::Machine().Text(), RotorWiringText::Literal(0));
    const std::u16string symbols = AlphabetInCodeOrder();
    for (unsigned c = 0; c <= 0xFFFF; ++c)
        ASSERT_EQ(Alphabet::Machine().Contains(char16_t(c)), symbols.find(char16_t(c)) != symbols.npos) << c;
}

TEST(CharAtTest, GivesTheSymbolOrNothingAndYieldsOnEveryCall)
{
    FakeMachineWindow loop;
    const std::pair<std::int16_t, Symbol> rows[] = {{0, u'x'}, {2, u'z'}, {3, NoSymbol}};
    for (const auto& [position, expected] : rows) {
        const long before = loop.yields;
        EXPECT_EQ(CharAt(u"xyz", position, loop), expected) << position;
        EXPECT_EQ(loop.yields, before + 1);
    }
}

TEST_F(MachineTest, CatalogueIsBuiltFromTheWiringAndRebuiltUnchangedYieldingAtEverySymbol)
{
    for (const long yields : {2700L, 5400L}) {  // after construction, then after a rebuild
        EXPECT_EQ(window.yields, yields);
        for (int r = 0; r < 10; ++r) {
            for (int p = 0; p < 135; ++p) {
                ASSERT_EQ(machine.Catalogue()[r].EntryRow[p], RotorWiringText::Literal(r)[std::size_t(p)]);
                ASSERT_EQ(machine.Catalogue()[r].ExitRow[p], RotorWiringText::Literal(r + 10)[std::size_t(p)]);
            }
        }
        machine.LoadCatalogue(window);
    }
}

enum class Set { RotorField, KeyField, Run };

struct FilterRow {
    const char* name;
    Set set;
    std::int16_t code;  // a Windows-1251 byte
    bool passes;
};

class FilterKeyTest : public ::testing::TestWithParam<FilterRow> {};

TEST_P(FilterKeyTest, ReturnsThePassedCodeOrZeroWithOneBeep)
{
    const FilterRow& row = GetParam();
    const std::u16string allowed[] = {RotorFieldKeys(), KeyFieldKeys(), std::u16string(RunSymbols())};
    CountingBeeper beeper;
    EXPECT_EQ(FilterKey(row.code, allowed[int(row.set)], beeper), row.passes ? row.code : 0);
    EXPECT_EQ(beeper.beeps, row.passes ? 0 : 1);
}

using enum Set;
const FilterRow filterRows[] = {
    {"RotorDigit7", RotorField, 55, true},    {"RotorDigit0", RotorField, 48, true},
    {"RotorBackspace", RotorField, 8, true},  {"RotorSmallA", RotorField, 97, false},
    {"RotorSpace", RotorField, 32, false},    {"KeySpace", KeyField, 32, true},
    {"KeyCapitalYa", KeyField, 0xDF, true},   {"KeySmallYa", KeyField, 0xFF, true},
    {"KeyBracket", KeyField, 91, true},       {"KeyBackspace", KeyField, 8, true},
    {"KeyCapitalYo", KeyField, 0xA8, false},  {"KeySmallYo", KeyField, 0xB8, false},
    {"KeyExclamation", KeyField, 33, false},  {"KeyTab", KeyField, 9, false},
    {"RunColon", Run, 58, true},              {"RunCapitalA", Run, 0xC0, true},
    {"RunBackspace", Run, 8, false},          {"RunCarriageReturn", Run, 13, false},
    {"RunLineFeed", Run, 10, false},          {"RunNumeroSign", Run, 0xB9, false},
};
INSTANTIATE_TEST_SUITE_P(Sets, FilterKeyTest, ::testing::ValuesIn(filterRows), RowName<FilterRow>);

}  // namespace velista::test
