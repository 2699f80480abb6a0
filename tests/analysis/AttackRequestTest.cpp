// SPDX-License-Identifier: GPL-3.0-or-later
// What the attack's request says before any search: the problems, the shortest useful fragment, line breaks.

#include "analysis/AttackRequest.h"

#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <string>

namespace velista::analysis {
namespace {

using test::RowName;

struct CheckRow {
    const char* name;
    std::u16string fragment;
    std::optional<std::size_t> position;
    std::size_t ciphertextLength;
    AttackProblem problem;
    const char* says;  // part of the problem's text
};

class AttackRequestCheck : public ::testing::TestWithParam<CheckRow> {};

TEST_P(AttackRequestCheck, FindsTheProblemAndSaysIt)
{
    const CheckRow& row = GetParam();
    const AttackRequest request{row.fragment, row.position, row.ciphertextLength};
    EXPECT_EQ(request.Check(), row.problem);
    EXPECT_NE(AttackProblemText(request, row.problem).find(row.says), std::string::npos)
        << AttackProblemText(request, row.problem);
}

const std::u16string Five = u"абвгд", Seven = u"абвгдеж", Eight = u"абвгдежз";

INSTANTIATE_TEST_SUITE_P(
    Rows, AttackRequestCheck,
    ::testing::Values(
        CheckRow{"OneSymbolUnknownIn3000", u"0", std::nullopt, 3000, AttackProblem::FragmentTooShort,
                 "символов алфавита в нём 1, а нужно не меньше 7"},
        CheckRow{"SixUnknownIn3000", u"абвгде", std::nullopt, 3000, AttackProblem::FragmentTooShort, "на 2995 возможных"},
        CheckRow{"SevenUnknownIn3000", Seven, std::nullopt, 3000, AttackProblem::None, ""},
        CheckRow{"SevenUnknownInAMebibyte", Seven, std::nullopt, 1 << 20, AttackProblem::FragmentTooShort,
                 "не меньше 8"},
        CheckRow{"EightUnknownInAMebibyte", Eight, std::nullopt, 1 << 20, AttackProblem::None, ""},
        CheckRow{"FourKnown", u"абвг", 10, 3000, AttackProblem::FragmentTooShort, "не меньше 5 — иначе на этой позиции"},
        CheckRow{"FiveKnown", Five, 10, 3000, AttackProblem::None, ""},
        // Line breaks and other characters outside the alphabet tell nothing of the setting.
        CheckRow{"FourKnownAmongLineBreaks", u"аб\r\n\r\nв!г", 10, 3000, AttackProblem::FragmentTooShort,
                 "в нём 4"},
        CheckRow{"NoSymbol", u"\r\n!Ё", std::nullopt, 3000, AttackProblem::NoAlphabetSymbol, "ни одного символа"},
        CheckRow{"NoSymbolBeforePastTheEnd", u"\r\n", 5000, 3000, AttackProblem::NoAlphabetSymbol, "ни одного"},
        CheckRow{"PastTheEndBeforeTooShort", u"а", 3000, 3000, AttackProblem::PastTheEnd, "с позиции 3000"},
        CheckRow{"LongerThanTheCiphertext", Eight, std::nullopt, 7, AttackProblem::PastTheEnd, "длиннее шифротекста"},
        CheckRow{"SixUnknownIn3026", u"абвгде", std::nullopt, 3026, AttackProblem::FragmentTooShort,
                 "на 3021 возможной позиции"},
        CheckRow{"OneSymbolInAOneSymbolCiphertext", u"ab", std::nullopt, 1, AttackProblem::PastTheEnd,
                 "фрагмент из 2 символов длиннее шифротекста (1 символ)"},
        CheckRow{"TwentyOneFromTheEnd", std::u16string(21, u'а'), 10, 22, AttackProblem::PastTheEnd,
                 "фрагмент из 21 символа выходит за конец шифротекста (22 символа)"},
        CheckRow{"EndsAtTheEnd", Eight, 2992, 3000, AttackProblem::None, ""},
        CheckRow{"HugePosition", Eight, ~std::size_t{0}, 3000, AttackProblem::PastTheEnd, "выходит за конец"},
        CheckRow{"FragmentOverItsLimit", std::u16string(AttackRequest::MaxFragment + 1, u'а'), 0, 1 << 20,
                 AttackProblem::FragmentTooLong, "длиннее 65536"},
        CheckRow{"CiphertextOverItsLimit", Eight, 0, AttackRequest::MaxCiphertext + 1, AttackProblem::CiphertextTooLong,
                 "256 МиБ"}),
    RowName<CheckRow>);

struct LineBreakRow {
    const char* name;
    std::u16string typed, normalised;
};

class NormaliseFragmentTest : public ::testing::TestWithParam<LineBreakRow> {};

TEST_P(NormaliseFragmentTest, MakesEveryLineBreakCrLf)
{
    EXPECT_TRUE(NormaliseFragment(GetParam().typed) == GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(Rows, NormaliseFragmentTest,
                         ::testing::Values(LineBreakRow{"Lf", u"а\nб", u"а\r\nб"},
                                           LineBreakRow{"CrLfStays", u"а\r\nб", u"а\r\nб"},
                                           LineBreakRow{"LoneCr", u"а\rб\r", u"а\r\nб\r\n"},
                                           LineBreakRow{"LfCr", u"\n\r", u"\r\n\r\n"},
                                           LineBreakRow{"CrCrLf", u"\r\r\n", u"\r\n\r\n"}),
                         RowName<LineBreakRow>);

}  // namespace
}  // namespace velista::analysis
