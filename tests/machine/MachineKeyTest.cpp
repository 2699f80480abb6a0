// SPDX-License-Identifier: GPL-3.0-or-later
// Five key characters: what the one parse takes, and the first reason it refuses with.

#include "machine/MachineKey.h"
#include "tests/support/RowName.h"

#include <optional>

namespace velista::test {

struct KeyRow {
    const char* name;
    std::u32string_view characters;
    std::u16string_view symbols;           // when taken
    std::optional<SettingProblem> problem;  // when refused
};

class MachineKeyTest : public ::testing::TestWithParam<KeyRow> {};

TEST_P(MachineKeyTest, TakesFiveAlphabetSymbolsOrNamesTheFirstFault)
{
    const KeyRow& row = GetParam();
    const auto parsed = MachineKey::Parse(row.characters);
    if (row.problem) {
        ASSERT_TRUE(std::holds_alternative<SettingProblem>(parsed));
        EXPECT_EQ(std::get<SettingProblem>(parsed), *row.problem);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<MachineKey>(parsed));
    EXPECT_EQ(std::get<MachineKey>(parsed).Symbols(), row.symbols);
}

using enum SettingProblem::Kind;
const KeyRow keyRows[] = {
    {"Good", U"Ключ1", u"Ключ1", {}},
    // Every class of symbol, each at its edges.
    {"SpaceAndRoundBrackets", U" () ,", u" () ,", {}},
    {"DashDotColonSquareBrackets", U"-.:[]", u"-.:[]", {}},
    {"Digits", U"09518", u"09518", {}},
    {"LatinCapitals", U"AZMNQ", u"AZMNQ", {}},
    {"LatinSmall", U"azmnq", u"azmnq", {}},
    {"CyrillicCapitals", U"АЯЙЪЩ", u"АЯЙЪЩ", {}},
    {"CyrillicSmall", U"аяйъщ", u"аяйъщ", {}},
    {"FiveSpaces", U"     ", u"     ", {}},
    {"RepeatedLetter", U"ааааа", u"ааааа", {}},
    {"Empty", U"", {}, SettingProblem{KeyLength, 0}},
    {"TooShort", U"Ключ", {}, SettingProblem{KeyLength, 4}},
    {"TooLong", U"Ключ12", {}, SettingProblem{KeyLength, 6}},
    {"TooLongOutsideTheAlphabet", U"Ёлка12", {}, SettingProblem{KeyLength, 6}},
    {"CapitalYoFirst", U"Ёлка1", {}, SettingProblem{KeyOutsideAlphabet, 5, 0}},
    {"SmallYoLast", U"abcdё", {}, SettingProblem{KeyOutsideAlphabet, 5, 4}},
    {"Exclamation", U"ab!cd", {}, SettingProblem{KeyOutsideAlphabet, 5, 2}},
    {"Tab", U"ab\tcd", {}, SettingProblem{KeyOutsideAlphabet, 5, 2}},
    {"NoSymbolZero", std::u32string_view(U"ab\0cd", 5), {}, SettingProblem{KeyOutsideAlphabet, 5, 2}},
    // U+10041 would be "A" if only its low 16 bits were looked at.
    {"AstralOverALetter", U"ab\U00010041cd", {}, SettingProblem{KeyOutsideAlphabet, 5, 2}},
    {"FiveEmoji", U"\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600", {}, SettingProblem{KeyOutsideAlphabet, 5, 0}},
    {"LoneSurrogate", U"ab\xD800" U"cd", {}, SettingProblem{KeyOutsideAlphabet, 5, 2}},
    // The parse does not compose: И and the combining breve are two characters.
    {"ShortIUncomposed", U"И\u0306abc", {}, SettingProblem{KeyOutsideAlphabet, 5, 1}},
    {"FirstOfTwoFaults", U"a!b!c", {}, SettingProblem{KeyOutsideAlphabet, 5, 1}},
};
INSTANTIATE_TEST_SUITE_P(Characters, MachineKeyTest, ::testing::ValuesIn(keyRows), RowName<KeyRow>);

}  // namespace velista::test
