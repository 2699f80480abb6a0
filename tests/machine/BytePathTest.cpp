// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1251 byte path against the UTF-16 path: the same text, the same result, the same bank after.

#include "machine/Windows1251.h"
#include "tests/machine/FakeMachineWindow.h"

#include <algorithm>
#include <numeric>
#include <span>
#include <string>
#include <vector>

namespace velista::test {

struct ByteRow {
    const char* name;
    std::int64_t start;  // steps since the setting when the text begins
    std::size_t length;  // at least 256: every byte value is in the text
    unsigned seed;
};

class BytePathTest : public ::testing::TestWithParam<ByteRow> {
protected:
    void SetUp() override
    {
        rng.seed(GetParam().seed);
        std::array<std::int16_t, SlotCount> rotors{};
        std::u16string key;
        for (auto& r : rotors)
            r = static_cast<std::int16_t>(rng() % 10), key += Alphabet::Machine().Text()[rng() % 135];
        ASSERT_TRUE(start.SetDirectly(RotorCatalogue::Shipped(), rotors, key));
        start.Advance(GetParam().start);
    }

    // Every byte value once, then random bytes, shuffled.
    std::vector<std::uint8_t> RandomBytes()
    {
        std::vector<std::uint8_t> bytes(GetParam().length);
        std::iota(bytes.begin(), bytes.begin() + 256, std::uint8_t{0});
        std::generate(bytes.begin() + 256, bytes.end(), [&] { return static_cast<std::uint8_t>(rng()); });
        std::shuffle(bytes.begin(), bytes.end(), rng);
        return bytes;
    }

    std::mt19937 rng;
    RotorBank start;
};

TEST_P(BytePathTest, GivesWhatTheTextPathGivesInBothDirections)
{
    const std::vector<std::uint8_t> original = RandomBytes();
    for (const CipherDirection direction : {CipherDirection::Encipher, CipherDirection::Decipher}) {
        const bool encipher = direction == CipherDirection::Encipher;
        SCOPED_TRACE(encipher ? "enciphering" : "deciphering");
        RotorBank byBytes = start, byText = start;
        std::vector<std::uint8_t> bytes = original;
        std::u16string text = Windows1251::Decode(
            std::string_view(reinterpret_cast<const char*>(original.data()), original.size()));
        const TextResult fromBytes = encipher ? byBytes.EncipherBytes(bytes) : byBytes.DecipherBytes(bytes);
        const TextResult fromText = encipher ? byText.EncipherText(text) : byText.DecipherText(text);
        const std::string expected = Windows1251::Encode(text);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin(), expected.end(),
                               [](std::uint8_t b, char e) { return b == static_cast<std::uint8_t>(e); }));
        EXPECT_EQ(fromBytes.passed, fromText.passed);
        EXPECT_EQ(fromBytes.turned, fromText.turned);
        ExpectSameBank(byBytes, byText);
        // At least the bytes whose characters lie outside the alphabet pass: 256 - 135 of them at least.
        EXPECT_GE(fromBytes.passed, std::size_t{256 - 135});
    }
}

// Pieces of any size continue where the last one stopped, as the tool's pieces of a file do.
TEST_P(BytePathTest, PiecesGiveWhatTheWholeGives)
{
    const std::vector<std::uint8_t> original = RandomBytes();
    RotorBank whole = start, pieces = start;
    std::vector<std::uint8_t> once = original, inPieces = original;
    const TextResult all = whole.EncipherBytes(once);
    std::size_t passed = 0;
    unsigned turned = 0;
    for (std::size_t at = 0; at < inPieces.size();) {
        const std::size_t length = std::min<std::size_t>(inPieces.size() - at, 1 + rng() % 400);
        const TextResult piece = pieces.EncipherBytes(std::span(inPieces).subspan(at, length));
        passed += piece.passed;
        turned |= piece.turned;
        at += length;
    }
    EXPECT_EQ(inPieces, once);
    EXPECT_EQ(passed, all.passed);
    EXPECT_EQ(turned, all.turned);
    ExpectSameBank(pieces, whole);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BytePathTest,
    ::testing::Values(ByteRow{"FreshBankShortText", 0, 256, 1}, ByteRow{"WithinOneStretch", 7, 300, 2},
                      ByteRow{"AcrossSlot2Carries", 100, 5'000, 3}, ByteRow{"AcrossASlot3Carry", 18'000, 20'000, 4},
                      ByteRow{"AcrossASlot4Carry", 2'460'000, 100'000, 5},
                      ByteRow{"DeepIntoTheCycle", 1'234'567'890, 70'000, 6}),
    RowName<ByteRow>);

}  // namespace velista::test
