// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-text operations of the bank against a run made symbol by symbol, as the program's runs do:
// transform the symbol when it belongs to the alphabet, then step the bank.

#include "tests/machine/FakeMachineWindow.h"

#include <algorithm>
#include <span>

namespace velista::test {

static std::u16string RandomText(std::mt19937& rng, std::size_t length)
{
    static constexpr char16_t outside[] = {u'\r', u'\n', u'Ё', u'ё', u'!', u'\t', u'?', u'\0', u'中', u'\xFFFF'};
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i)
        text += rng() % 5 == 0 ? outside[rng() % std::size(outside)] : Alphabet::Machine().Text()[rng() % 135];
    return text;
}

struct RunRow {
    const char* name;
    std::int64_t start;  // steps since the installation when the text begins
    std::size_t length;
    unsigned seed;
};

class TextCipherTest : public MachineTestWithParam<RunRow> {
protected:
    void SetUp() override
    {
        rng.seed(GetParam().seed);
        InstallRandom(machine, window, rng);
        // The bank keeps tables made for these first rotors; the rotors installed next must replace them.
        std::u16string warm = u"abc";
        EncipherText(machine.Bank(), warm, window);
        InstallRandom(machine, window, rng);
        machine.Bank().Advance(GetParam().start);
        start = machine.Bank();
        for (std::int16_t k = 1; k <= 5; ++k)
            ShowSlot(start, k, startWindow);
    }

    // Runs the text from the start position both ways, expects the same outcome, and returns it.
    std::u16string Compare(const std::u16string& text, bool encipher)
    {
        RotorBank reference = start, whole = start;
        FakeMachineWindow referenceWindow = startWindow, wholeWindow = startWindow;
        std::u16string expected = text, actual = text;
        std::size_t passed = 0;
        for (char16_t& c : expected) {
            if (Alphabet::Machine().Contains(c))
                c = encipher ? reference.EncipherSymbol(c) : reference.DecipherSymbol(c);
            else
                ++passed;
            Usl_Procr(reference, referenceWindow);
        }
        EXPECT_EQ(encipher ? EncipherText(whole, actual, wholeWindow) : DecipherText(whole, actual, wholeWindow), passed);
        EXPECT_EQ(actual, expected);
        ExpectSameBank(whole, reference);
        EXPECT_EQ(wholeWindow.lines, referenceWindow.lines);
        return actual;
    }

    std::mt19937 rng;
    FakeMachineWindow startWindow;
    RotorBank start;
};

TEST_P(TextCipherTest, WholeTextEqualsSymbolBySymbolAndDecipheringGivesTheTextBack)
{
    const std::u16string plain = RandomText(rng, GetParam().length);
    EXPECT_EQ(Compare(Compare(plain, true), false), plain);
    Compare(plain, false);
}

TEST_P(TextCipherTest, PieceByPieceEqualsOneCall)
{
    std::u16string once = RandomText(rng, GetParam().length), inPieces = once;
    RotorBank whole = start, pieces = start;
    FakeMachineWindow wholeWindow = startWindow, piecesWindow = startWindow;
    const std::size_t passed = EncipherText(whole, once, wholeWindow);
    std::size_t passedInPieces = 0;
    for (std::size_t at = 0; at < inPieces.size();) {
        const std::size_t length = std::min<std::size_t>(rng() % 300, inPieces.size() - at);
        passedInPieces += EncipherText(pieces, std::span<char16_t>(inPieces).subspan(at, length), piecesWindow);
        at += length;
    }
    EXPECT_EQ(inPieces, once);
    EXPECT_EQ(passedInPieces, passed);
    ExpectSameBank(pieces, whole);
    EXPECT_EQ(piecesWindow.lines, wholeWindow.lines);
}

const RunRow runRows[] = {
    {"FromTheKeyPosition", 0, 3000, 1},
    {"OneSymbolBeforeACarry", 134, 1, 2},
    {"Empty", 10, 0, 3},
    {"AcrossSlot3Carry", 18'225 * 3 - 1000, 2500, 4},
    {"AcrossSlot4Carry", 2'460'375 - 1200, 2500, 5},
    {"AcrossSlot5Carry", 332'150'625 - 1300, 2500, 6},
    {"FarPosition", 2'460'375 * 9 + 18'225 * 77 - 700, 3000, 7},
};
INSTANTIATE_TEST_SUITE_P(Texts, TextCipherTest, ::testing::ValuesIn(runRows), RowName<RunRow>);

}  // namespace velista::test
