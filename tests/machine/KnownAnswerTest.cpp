// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed answers of the machine, worked out once by hand and with the command-line tool: a misreading
// shared by the fast path, the symbol path and the tool would pass every comparison among them.

#include "tests/machine/FakeMachineWindow.h"

#include <span>
#include <string>
#include <vector>

namespace velista::test {

struct AnswerRow {
    const char* name;
    std::u16string_view plain, cipher;
};

class KnownAnswerTest : public ::testing::TestWithParam<AnswerRow> {
protected:
    // Rotors 01234, key «Ключ1», as a fresh installation leaves them.
    static RotorBank Bank()
    {
        RotorBank bank;
        EXPECT_TRUE(bank.SetDirectly(RotorCatalogue::Shipped(), {0, 1, 2, 3, 4}, u"Ключ1"));
        return bank;
    }

    static std::vector<std::uint8_t> Bytes(std::u16string_view text)
    {
        const std::string encoded = Windows1251::Encode(text);
        return {encoded.begin(), encoded.end()};
    }
};

TEST_P(KnownAnswerTest, EveryPathGivesTheFixedAnswer)
{
    const AnswerRow& row = GetParam();

    std::u16string text(row.plain);
    RotorBank bank = Bank();
    bank.EncipherText(text);
    EXPECT_EQ(text, row.cipher) << "whole text";
    bank = Bank();
    bank.DecipherText(text);
    EXPECT_EQ(text, row.plain) << "whole text back";

    std::vector<std::uint8_t> bytes = Bytes(row.plain);
    bank = Bank();
    bank.EncipherBytes(bytes);
    EXPECT_EQ(bytes, Bytes(row.cipher)) << "bytes";
    bank = Bank();
    bank.DecipherBytes(bytes);
    EXPECT_EQ(bytes, Bytes(row.plain)) << "bytes back";

    std::u16string bySymbol(row.plain);
    bank = Bank();
    for (char16_t& c : bySymbol) {
        if (Alphabet::Machine().Contains(c))
            c = bank.EncipherSymbol(c);
        bank.Step();
    }
    EXPECT_EQ(bySymbol, row.cipher) << "symbol by symbol";
}

INSTANTIATE_TEST_SUITE_P(Rotors01234Key, KnownAnswerTest,
                         ::testing::Values(AnswerRow{"Greeting", u"Привет, мир!", u"сдр7(DЙFO:щ!"},
                                           AnswerRow{"TenA", u"аааааааааа", u"[у]Бк-7Кzт"}),
                         RowName<AnswerRow>);

struct PathRow {
    const char* name;
    CipherDirection direction;
    char16_t input;
    std::array<std::int16_t, 4> slots, positions;
    std::u16string_view reached;
};

class KnownPathTest : public ::testing::TestWithParam<PathRow> {};

// П enciphers as П→Д→:→W→с leaving slots 1 to 4 at positions 129, 109, 77 and 30; deciphering с
// goes back through the same positions of the entry rows of slots 5 to 2.
TEST_P(KnownPathTest, HopsAndPositionsAreTheFixedOnes)
{
    const PathRow& row = GetParam();
    RotorBank bank;
    ASSERT_TRUE(bank.SetDirectly(RotorCatalogue::Shipped(), {0, 1, 2, 3, 4}, u"Ключ1"));
    const SymbolPath path = bank.Path(row.input, row.direction);
    EXPECT_EQ(path.input, row.input);
    for (std::size_t hop = 0; hop < 4; ++hop) {
        EXPECT_EQ(path.hops[hop].slot, row.slots[hop]) << "hop " << hop;
        EXPECT_EQ(path.hops[hop].position, row.positions[hop]) << "hop " << hop;
        EXPECT_EQ(path.hops[hop].reached, row.reached[hop]) << "hop " << hop;
    }
    EXPECT_EQ(path.output, row.reached.back());
    EXPECT_EQ(path.output, row.direction == CipherDirection::Encipher ? bank.EncipherSymbol(row.input)
                                                                       : bank.DecipherSymbol(row.input));
}

INSTANTIATE_TEST_SUITE_P(
    Rotors01234Key, KnownPathTest,
    ::testing::Values(PathRow{"EncipherP", CipherDirection::Encipher, u'П', {1, 2, 3, 4}, {129, 109, 77, 30}, u"Д:Wс"},
                      PathRow{"DecipherS", CipherDirection::Decipher, u'с', {5, 4, 3, 2}, {30, 77, 109, 129}, u"W:ДП"}),
    RowName<PathRow>);

}  // namespace velista::test
