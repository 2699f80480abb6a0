// SPDX-License-Identifier: GPL-3.0-or-later
// The quick test of fragment positions: characters outside the alphabet in place, and the slot-1 rotors under which
// equal slot-1 exit positions meet equal ciphertext symbols.

#include "tests/support/RowName.h"

#include "analysis/FragmentFilter.h"
#include "analysis/RotorTables.h"
#include "installation/CipherMachine.h"
#include "tests/support/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace velista::analysis
