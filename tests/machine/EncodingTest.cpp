// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1251, the code page of the program's files, and the line breaks of text read in pieces.

#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"
#include "tests/machine/FakeMachineWindow.h"

namespace velista::test {

TEST(Windows1251Test, EveryByteComesBackAsItself)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += char(b);
        EXPECT_EQ(Windows1251::Encode(Windows1251::Decode(static_cast<unsigned char>(b))), b) << "byte " << b;
    }
    std::size_t replaced = 1;
    EXPECT_EQ(Windows1251::Encode(Windows1251::Decode(bytes), &replaced), bytes);
    EXPECT_EQ(replaced, 0u);
}

TEST(Windows1251Test, KnownCharacters)
{
    const std::pair<unsigned char, char16_t> rows[] = {{0xC0, u'А'}, {0xFF, u'я'}, {0xDF, u'Я'}, {0xA8, u'Ё'},
                                                       {0xB8, u'ё'}, {0xB9, u'№'}, {0x88, u'€'}, {0x41, u'A'}};
    for (const auto& [byte, character] : rows) {
        EXPECT_EQ(Windows1251::Decode(byte), character) << "byte " << int(byte);
        EXPECT_EQ(Windows1251::Encode(character), byte) << "byte " << int(byte);
    }
}

TEST(Windows1251Test, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    EXPECT_FALSE(Windows1251::Encode(u'Ä').has_value());
    std::size_t replaced = 0;
    EXPECT_EQ(Windows1251::Encode(u"aÄ中Àя\xFFFF", &replaced), "a???\xFF?");
    EXPECT_EQ(replaced, 4u);
}

struct BreakRow {
    const char* name;
    std::vector<std::string_view> pieces;
    std::string_view expected;
};

class LineBreakNormalizerTest : public ::testing::TestWithParam<BreakRow> {};

TEST_P(LineBreakNormalizerTest, EveryLineBreakBecomesCrLf)
{
    LineBreakNormalizer<char> normalizer;
    std::string out;
    for (const std::string_view piece : GetParam().pieces)
        normalizer.Normalize(piece, out);
    EXPECT_EQ(out, GetParam().expected);
}

const BreakRow breakRows[] = {
    {"LineFeed", {"a\nb"}, "a\r\nb"},          {"CrLf", {"a\r\nb"}, "a\r\nb"},
    {"LoneCr", {"a\rb"}, "a\r\nb"},            {"CrCrLf", {"a\r\r\nb"}, "a\r\n\r\nb"},
    {"LfCr", {"a\n\rb"}, "a\r\n\r\nb"},       {"CrLfAcrossPieces", {"a\r", "\nb"}, "a\r\nb"},
    {"CrThenEmptyPieceThenLf", {"a\r", "", "\nb"}, "a\r\nb"},
    {"CrEndsAPieceBeforeText", {"a\r", "b\n"}, "a\r\nb\r\n"},
    {"LfEndsAPieceBeforeLf", {"a\n", "\nb"}, "a\r\n\r\nb"},
    {"OnlyBreaks", {"\r\n\n\r\r"}, "\r\n\r\n\r\n\r\n"},
    {"BreaksAtBothEnds", {"\n\ra\r"}, "\r\n\r\na\r\n"},
    {"LongRunsBetweenBreaks", {"abcdefgh\nijklmnop\r\nqrstuvwx\ry"}, "abcdefgh\r\nijklmnop\r\nqrstuvwx\r\ny"},
};
INSTANTIATE_TEST_SUITE_P(Breaks, LineBreakNormalizerTest, ::testing::ValuesIn(breakRows), RowName<BreakRow>);

}  // namespace velista::test
