// SPDX-License-Identifier: GPL-3.0-or-later
// Each reason a setting is refused reads as one whole Russian sentence, with the value and count filled in.

#include "machine/SettingProblem.h"
#include "tests/support/RowName.h"

namespace velista::test {

struct SentenceRow {
    const char* name;
    SettingProblem problem;
    const char* shown;
    const char* sentence;
};

class SettingProblemTest : public ::testing::TestWithParam<SentenceRow> {};

TEST_P(SettingProblemTest, FillsItsSentence)
{
    EXPECT_EQ(GetParam().problem.RussianText(GetParam().shown), GetParam().sentence);
}

using enum SettingProblem::Kind;
const SentenceRow sentenceRows[] = {
    {"RotorLength", {RotorLength, 4}, "«0123»",
     "номера роторов «0123» не подходят: нужно ровно пять цифр от 0 до 9, например 01234"},
    {"RotorNotDigit", {RotorNotDigit, 5, 2}, "«01a34»",
     "номера роторов «01a34» не подходят: нужно ровно пять цифр от 0 до 9, например 01234"},
    {"KeyLengthCountsTwoDigits", {KeyLength, 12}, "«{count}»",
     "ключ «{count}» не подходит: нужно ровно пять символов, а их 12"},
    {"KeyOutsideAlphabet", {KeyOutsideAlphabet, 5, 4}, "«abcd!»",
     "ключ «abcd!» не подходит: в нём есть символ вне алфавита машины (алфавит: латинские и русские буквы без Ё и ё, "
     "цифры, пробел и знаки ( ) , - . : [ ])"},
};
INSTANTIATE_TEST_SUITE_P(Kinds, SettingProblemTest, ::testing::ValuesIn(sentenceRows), RowName<SentenceRow>);

}  // namespace velista::test
