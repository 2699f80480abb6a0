// SPDX-License-Identifier: GPL-3.0-or-later
// The quick test of fragment positions: characters outside the alphabet in place, and the slot-1 rotors under which
// equal slot-1 exit positions meet equal ciphertext symbols.

#include "tests/support/RowName.h"

#include "analysis/FragmentFilter.h"
#include "analysis/RotorTables.h"
#include "installation/CipherMachine.h"
#include "tests/support/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace velista::analysis {
namespace {

using test::RowName;

const RotorTables& Tables() { return RotorTables::Shipped(); }

struct FilterRow {
    const char* name;
    std::u16string plain;      // the whole plain text
    std::size_t position;      // where the fragment is tested
    std::u16string fragment;
    bool patternFits;
    bool trueRotorFits;        // rotor 7, which made the ciphertext, passes the slot-1 test
};

class FragmentFilterTest : public ::testing::TestWithParam<FilterRow> {};

TEST_P(FragmentFilterTest, KeepsTheTruePositionAndRotor)
{
    const FilterRow& row = GetParam();
    HeadlessWindow window(u"73915", u"Ключ1");
    CipherMachine machine(window);
    ASSERT_TRUE(machine.InstallRotors(window));
    std::u16string cipher = row.plain;
    machine.Bank().EncipherText(cipher);
    FragmentFilter filter(Tables(), cipher, row.fragment);
    ASSERT_EQ(filter.PatternFits(row.position), row.patternFits);
    if (row.patternFits) {
        EXPECT_EQ((filter.RotorsFitting(row.position) >> 7 & 1u) != 0, row.trueRotorFits);
    }
}

// 200 symbols of one letter: every slot-1 exit position differs within a stretch, so the ciphertext's symbols
// differ too, and a fragment of one letter repeated fits only the rotor whose exit positions match that.
const std::u16string Same(200, u'о');
// "а", then "о"s, then "б" where rotor 7 gives it the slot-1 exit position of the "а": the ciphertext of Same
// holds no equal symbols there, so rotor 7 cannot have made it.
std::u16string CollidingUnderRotor7()
{
    const int k = (Tables().ExitPosition(7, u'а') - Tables().ExitPosition(7, u'б') + 2 * RotorTables::N - 1) %
                      RotorTables::N + 1;
    std::u16string fragment(static_cast<std::size_t>(k + 1), u'о');
    fragment.front() = u'а';
    fragment.back() = u'б';
    return fragment;
}

const std::u16string Prose = u"Шифровальная машина Велиста\nимеет пять роторов!\tКлюч из пяти символов.";

INSTANTIATE_TEST_SUITE_P(
    Positions, FragmentFilterTest,
    ::testing::Values(
        FilterRow{"TruePlace", Prose, 20, Prose.substr(20, 30), true, true},
        FilterRow{"TruePlaceAcrossAStretch", Same, 120, Same.substr(120, 40), true, true},
        FilterRow{"LineBreakMissesItsPlace", Prose, 21, Prose.substr(20, 30), false, false},
        FilterRow{"DifferentOutsideCharacter", Prose, 20, Prose.substr(20, 6) + u"?" + Prose.substr(27, 23), false,
                  false},
        FilterRow{"SymbolOverLineBreak", Prose, 25, Prose.substr(0, 5), false, false},
        FilterRow{"RunsPastTheEnd", Prose, Prose.size() - 3, Prose.substr(0, 5), false, false},
        FilterRow{"ExitPositionsMeetWhereSymbolsDiffer", Same, 0, CollidingUnderRotor7(), true, false},
        // A whole stretch of one letter meets a ciphertext without equal symbols: every rotor passes.
        FilterRow{"NothingRepeats", Same, 0, std::u16string(135, u'ж'), true, true}),
    RowName<FilterRow>);

struct PatternRow {
    const char* name;
    unsigned outsideInEight;  // characters outside the alphabet, out of every eight
    std::size_t fragmentLength;
    std::size_t chunk;        // positions asked for at a time
};

class FittingPositionsTest : public ::testing::TestWithParam<PatternRow> {};

// The one-pass pattern search finds exactly the positions that the position-by-position check accepts, over
// chunks of any size, in texts of few characters so that near misses abound.
TEST_P(FittingPositionsTest, AgreeWithTheCheckAtEachPosition)
{
    const PatternRow& row = GetParam();
    std::mt19937 rng(static_cast<unsigned>(row.fragmentLength * 31 + row.outsideInEight));
    const std::u16string others = u"\r\n!";
    std::u16string cipher;
    for (int i = 0; i < 5000; ++i)
        cipher += rng() % 8 < row.outsideInEight ? others[rng() % others.size()] : u'а' + static_cast<char16_t>(rng() % 3);
    // A fragment cut from the text, so that it fits at least there.
    const std::u16string fragment = cipher.substr(2000, row.fragmentLength);
    FragmentFilter filter(Tables(), cipher, fragment);
    std::vector<std::size_t> expected, found;
    for (std::size_t p = 0; p <= cipher.size(); ++p) {
        if (filter.PatternFits(p))
            expected.push_back(p);
    }
    for (std::size_t from = 0; from <= cipher.size(); from += row.chunk)
        filter.FittingPositions(from, std::min(cipher.size() + 1, from + row.chunk), found);
    EXPECT_EQ(found, expected);
    EXPECT_FALSE(expected.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, FittingPositionsTest,
                         ::testing::Values(PatternRow{"SymbolsOnly", 0, 20, 4096},
                                           PatternRow{"FewOutside", 1, 12, 97},
                                           PatternRow{"MostlyOutside", 7, 9, 1},
                                           PatternRow{"HalfOutsideLong", 4, 300, 1000},
                                           PatternRow{"OneCharacter", 4, 1, 13}),
                         RowName<PatternRow>);

}  // namespace
}  // namespace velista::analysis
