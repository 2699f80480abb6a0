// SPDX-License-Identifier: GPL-3.0-or-later
// Five rotor digits: what the one parse takes, the numbers it gives, and the first reason it refuses with.

#include "machine/RotorChoice.h"
#include "tests/support/RowName.h"

#include <optional>

namespace velista::test {

struct RotorRow {
    const char* name;
    std::u16string_view text;
    std::array<std::int16_t, SlotCount> numbers;  // when taken
    std::optional<SettingProblem> problem;        // when refused
};

class RotorChoiceTest : public ::testing::TestWithParam<RotorRow> {};

TEST_P(RotorChoiceTest, TakesFiveDigitsOrNamesTheFirstFault)
{
    const RotorRow& row = GetParam();
    const auto parsed = RotorChoice::Parse(row.text);
    if (row.problem) {
        ASSERT_TRUE(std::holds_alternative<SettingProblem>(parsed));
        EXPECT_EQ(std::get<SettingProblem>(parsed), *row.problem);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<RotorChoice>(parsed));
    EXPECT_EQ(std::get<RotorChoice>(parsed).Numbers(), row.numbers);
    EXPECT_EQ(std::get<RotorChoice>(parsed).Text(), row.text);
}

using enum SettingProblem::Kind;
const RotorRow rotorRows[] = {
    {"Good", u"73915", {7, 3, 9, 1, 5}, {}},
    {"EveryRotorOnceAtTheEnds", u"09182", {0, 9, 1, 8, 2}, {}},
    // The machine copies a rotor into every slot that names it.
    {"AllFiveRepeated", u"77777", {7, 7, 7, 7, 7}, {}},
    {"TwoPairs", u"00990", {0, 0, 9, 9, 0}, {}},
    {"Empty", u"", {}, SettingProblem{RotorLength, 0}},
    {"TooShort", u"0123", {}, SettingProblem{RotorLength, 4}},
    {"TooLong", u"012345", {}, SettingProblem{RotorLength, 6}},
    {"TooLongWithALetter", u"01a345", {}, SettingProblem{RotorLength, 6}},
    {"LetterFirst", u"a1234", {}, SettingProblem{RotorNotDigit, 5, 0}},
    // The characters either side of the digits in ASCII.
    {"SlashLast", u"0123/", {}, SettingProblem{RotorNotDigit, 5, 4}},
    {"ColonInTheMiddle", u"01:34", {}, SettingProblem{RotorNotDigit, 5, 2}},
    {"SpaceInside", u"01 34", {}, SettingProblem{RotorNotDigit, 5, 2}},
    {"FullWidthDigit", u"01\uFF1034", {}, SettingProblem{RotorNotDigit, 5, 2}},
    {"SuperscriptOne", u"\u00B91234", {}, SettingProblem{RotorNotDigit, 5, 0}},
    {"CyrillicO", u"0123О", {}, SettingProblem{RotorNotDigit, 5, 4}},
    {"FirstOfTwoFaults", u"0a:bc", {}, SettingProblem{RotorNotDigit, 5, 1}},
};
INSTANTIATE_TEST_SUITE_P(Texts, RotorChoiceTest, ::testing::ValuesIn(rotorRows), RowName<RotorRow>);

}  // namespace velista::test
