// SPDX-License-Identifier: GPL-3.0-or-later
// Every cipher path against the symbol-by-symbol machine: random bytes with every byte value and UTF-16
// text with characters on both sides of the ranges the vector loops narrow to bytes, of lengths around
// the vectors' widths and across the carries into slots 2 to 5, from settings whose slots were also
// turned by hand, so that turns and counters part. A path this processor or build cannot run is skipped.

#include "machine/ChunkKernels.h"
#include "machine/PathCipher.h"
#include "tests/machine/FakeMachineWindow.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace velista::test {

struct PathTextRow {
    const char* name;
    std::int64_t start;  // steps since the setting when the text begins
    std::size_t length;
    std::int16_t handTurns1, handTurns2;  // slots 1 and 2 turned by hand after the steps
    unsigned seed;
};

const PathTextRow pathTextRows[] = {
    {"Empty", 10, 0, 0, 0, 1},
    {"OneSymbolBeforeACarry", 134, 1, 0, 0, 2},
    {"ShortOfAVector", 3, 31, 0, 0, 3},
    {"AVectorAndOne", 100, 65, 0, 0, 4},
    {"AcrossSlot2Carries", 0, 3'000, 0, 0, 5},
    {"AcrossSlot3Carry", 18'225 * 3 - 1'000, 2'500, 0, 0, 6},
    {"AcrossSlot4Carry", 2'460'375 - 1'200, 2'500, 0, 0, 7},
    {"AcrossSlot5Carry", 332'150'625 - 1'300, 2'500, 0, 0, 8},
    {"SlotsTurnedByHand", 18'225 - 700, 1'500, 77, 130, 9},
};

// Characters at the edges of ASCII, of А to я and of the byte range, beside the alphabet's own.
constexpr char16_t edges[] = {u'\0', u'\x7F', u'\x80', u'\x98', u'\xC0', u'\xFF', u'\x100', u'Џ', u'ѐ',
                              u'Ё',  u'ё',    u'\r',   u'\n',   u'中',    u'\x8000', u'\xFFFF', u'\x0350'};

std::vector<std::uint8_t> RandomBytes(std::mt19937& rng, std::size_t length)
{
    std::vector<std::uint8_t> bytes(std::max<std::size_t>(length, 256));
    std::iota(bytes.begin(), bytes.begin() + 256, std::uint8_t{0});
    std::generate(bytes.begin() + 256, bytes.end(), [&] { return static_cast<std::uint8_t>(rng()); });
    std::shuffle(bytes.begin(), bytes.end(), rng);
    bytes.resize(length);
    return bytes;
}

std::u16string RandomText(std::mt19937& rng, std::size_t length)
{
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i)
        text += rng() % 4 == 0 ? edges[rng() % std::size(edges)] : Alphabet::Machine().Text()[rng() % 135];
    return text;
}

// The machine symbol by symbol: the result, how many passed, which slots turned.
template <typename Char>
std::tuple<std::basic_string<Char>, std::size_t, unsigned> SymbolBySymbol(RotorBank bank, std::basic_string<Char> text,
                                                                         bool encipher, RotorBank& after)
{
    std::size_t passed = 0;
    unsigned turned = 0;
    for (Char& c : text) {
        char16_t symbol = c;
        if constexpr (sizeof(Char) == 1)
            symbol = Windows1251::Decode(std::string(1, static_cast<char>(c))).at(0);
        if (Alphabet::Machine().Contains(symbol)) {
            symbol = encipher ? bank.EncipherSymbol(symbol) : bank.DecipherSymbol(symbol);
            c = sizeof(Char) == 1 ? static_cast<Char>(*Windows1251::Encode(symbol)) : static_cast<Char>(symbol);
        } else {
            ++passed;
        }
        turned |= bank.Step();
    }
    after = bank;
    return {text, passed, turned};
}

class CipherPathTest : public ::testing::TestWithParam<std::tuple<CipherPath, PathTextRow>> {
protected:
    void SetUp() override
    {
        const auto& [path, row] = GetParam();
        if (!ProcessorRuns(path))
            GTEST_SKIP() << "this processor or build does not run the " << CipherPathName(path) << " path";
        rng.seed(row.seed);
        std::array<std::int16_t, SlotCount> rotors{};
        std::u16string key;
        for (auto& r : rotors)
            r = static_cast<std::int16_t>(rng() % 10), key += Alphabet::Machine().Text()[rng() % 135];
        ASSERT_TRUE(start.SetDirectly(RotorCatalogue::Shipped(), rotors, key));
        start.Advance(row.start);
        start.TurnSlot(1, row.handTurns1);
        start.TurnSlot(2, row.handTurns2);
    }

    template <typename Char>
    void ExpectSymbolBySymbol(const std::basic_string<Char>& original)
    {
        for (const bool encipher : {true, false}) {
            SCOPED_TRACE(encipher ? "enciphering" : "deciphering");
            RotorBank expectedBank, bank = start;
            const auto [expected, passed, turned] = SymbolBySymbol(start, original, encipher, expectedBank);
            PathCipher cipher(std::get<CipherPath>(GetParam()));
            std::basic_string<Char> actual = original;
            const TextResult result = encipher ? cipher.Encipher(bank, std::span(actual.data(), actual.size()))
                                               : cipher.Decipher(bank, std::span(actual.data(), actual.size()));
            const auto differ = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
            EXPECT_EQ(differ.first, actual.end()) << "first difference at " << differ.first - actual.begin();
            EXPECT_EQ(result.passed, passed);
            EXPECT_EQ(result.turned, turned);
            ExpectSameBank(bank, expectedBank);
        }
    }

    std::mt19937 rng;
    RotorBank start;
};

TEST_P(CipherPathTest, BytesAreTheMachinesSymbolBySymbol)
{
    const std::vector<std::uint8_t> bytes = RandomBytes(rng, std::get<PathTextRow>(GetParam()).length);
    ExpectSymbolBySymbol(std::basic_string<std::uint8_t>(bytes.begin(), bytes.end()));
}

TEST_P(CipherPathTest, TextIsTheMachinesSymbolBySymbol)
{
    ExpectSymbolBySymbol(RandomText(rng, std::get<PathTextRow>(GetParam()).length));
}

INSTANTIATE_TEST_SUITE_P(
    PathsAndTexts, CipherPathTest, ::testing::Combine(::testing::ValuesIn(AllCipherPaths), ::testing::ValuesIn(pathTextRows)),
    [](const ::testing::TestParamInfo<CipherPathTest::ParamType>& row) {
        return std::string(CipherPathName(std::get<CipherPath>(row.param))) + "_" + std::get<PathTextRow>(row.param).name;
    });

// The variable that forces a path reads only the paths' own names.
struct PathNameRow {
    const char* name;
    const char* text;
    std::optional<CipherPath> path;
};

class CipherPathNameTest : public ::testing::TestWithParam<PathNameRow> {};

TEST_P(CipherPathNameTest, NamesOnlyThePaths)
{
    EXPECT_EQ(CipherPathNamed(GetParam().text), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Names, CipherPathNameTest,
                         ::testing::Values(PathNameRow{"Scalar", "scalar", CipherPath::Scalar},
                                           PathNameRow{"Avx2", "avx2", CipherPath::Avx2},
                                           PathNameRow{"Avx512", "avx512", CipherPath::Avx512},
                                           PathNameRow{"CapitalLetters", "AVX2", std::nullopt},
                                           PathNameRow{"Empty", "", std::nullopt},
                                           PathNameRow{"Sse", "sse2", std::nullopt}),
                         RowName<PathNameRow>);

}  // namespace velista::test
