// SPDX-License-Identifier: GPL-3.0-or-later
// Known answers from a second model of the machine, written apart from this core in Python
// (tests/reference/model.py) and kept as data in tests/reference/vectors.txt: settings of every kind of
// rotor and key symbol, and texts that cross the carries into slots 2 to 5 and the end of the whole cycle.
// A misreading of the machine shared by every path of this core would pass all their comparisons among
// themselves, but not these.

#include "machine/PathCipher.h"
#include "tests/machine/FakeMachineWindow.h"
#include "tests/support/BuildPaths.h"
#include "tests/support/HeadlessWindow.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace velista::test {

// One block of the file: its section and its fields, as written.
struct ReferenceVector {
    std::string name, section;
    std::map<std::string, std::string> fields;

    const std::string& Field(const std::string& key) const
    {
        static const std::string missing;
        const auto found = fields.find(key);
        return found == fields.end() ? missing : found->second;
    }
};

struct VectorFile {
    std::vector<ReferenceVector> texts, paths;
    std::string problem;  // why the file could not be read whole, or empty
};

const VectorFile& Vectors()
{
    static const VectorFile file = [] {
        VectorFile read;
        std::ifstream in(test::ReferenceVectors());
        if (!in)
            read.problem = std::string("cannot open ") + test::ReferenceVectors();
        std::string line, section;
        ReferenceVector block;
        int number = 0;
        const auto finish = [&] {
            if (block.fields.empty())
                return;
            block.name = block.Field("Name");
            block.section = section;
            if (block.name.empty() && read.problem.empty())
                read.problem = "a block without a name before line " + std::to_string(number);
            (section.ends_with("Path") ? read.paths : read.texts).push_back(block);
            block = {};
        };
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty()) {
                finish();
            } else if (line.front() == '[') {
                finish();
                section = line.substr(1, line.size() - 2);
            } else if (line.front() != '#') {
                const std::size_t equals = line.find(" = ");
                if (equals == std::string::npos && read.problem.empty())
                    read.problem = "line " + std::to_string(number) + " is not KEY = VALUE";
                else if (equals != std::string::npos)
                    block.fields[line.substr(0, equals)] = line.substr(equals + 3);
            }
        }
        finish();
        return read;
    }();
    return file;
}

std::string Bytes(const std::string& hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

std::u16string Text(const std::string& hex) { return Windows1251::Decode(Bytes(hex)); }

std::vector<std::int64_t> Numbers(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::int64_t> numbers;
    for (std::int64_t n = 0; in >> n;)
        numbers.push_back(n);
    return numbers;
}

// The bank as the file's setting leaves it at its start, set directly.
RotorBank StartingBank(const ReferenceVector& v)
{
    std::array<std::int16_t, SlotCount> rotors{};
    for (std::size_t k = 0; k < rotors.size(); ++k)
        rotors[k] = static_cast<std::int16_t>(v.Field("Rotors").at(k) - '0');
    RotorBank bank;
    EXPECT_TRUE(bank.SetDirectly(RotorCatalogue::Shipped(), rotors, Text(v.Field("Key")))) << "setting refused";
    bank.Advance(Numbers(v.Field("Start")).at(0));
    return bank;
}

// Where two results first part, with the step the bank had made there, or nothing.
template <typename Chars>
std::string FirstDifference(const Chars& actual, const Chars& expected, std::int64_t start)
{
    if (actual.size() != expected.size())
        return "length " + std::to_string(actual.size()) + ", expected " + std::to_string(expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (actual[i] != expected[i])
            return "position " + std::to_string(i) + " (step " + std::to_string(start + std::int64_t(i)) + "): " +
                   std::to_string(unsigned(actual[i])) + ", expected " + std::to_string(unsigned(expected[i]));
    return "";
}

class ReferenceTextTest : public ::testing::TestWithParam<ReferenceVector> {
protected:
    void ExpectAfter(const RotorBank& bank, std::size_t passed, unsigned turned, const char* path) const
    {
        const ReferenceVector& v = GetParam();
        unsigned expectedTurned = 0;
        for (const std::int64_t slot : Numbers(v.Field("Turned")))
            expectedTurned |= 1u << (slot - 1);
        EXPECT_EQ(passed, std::size_t(Numbers(v.Field("Passed")).at(0))) << path;
        EXPECT_EQ(turned, expectedTurned) << path;
        const std::vector<std::int64_t> counters = Numbers(v.Field("Counters"));
        for (std::int16_t k = 1; k <= SlotCount; ++k)
            EXPECT_EQ(bank.StepCounter(k), counters.at(std::size_t(k - 1))) << path << ", counter " << k;
    }
};

TEST_P(ReferenceTextTest, EveryPathGivesTheModelsText)
{
    const ReferenceVector& v = GetParam();
    const bool encipher = v.section == "Encipher";
    ASSERT_TRUE(encipher || v.section == "Decipher") << v.section;
    const std::int64_t start = Numbers(v.Field("Start")).at(0);
    const std::string in = Bytes(v.Field("In")), out = Bytes(v.Field("Out"));
    const RotorBank startingBank = StartingBank(v);

    // Every cipher path this processor runs, through the text and the byte form.
    std::u16string text;
    for (const CipherPath cipherPath : AllCipherPaths) {
        if (!ProcessorRuns(cipherPath))
            continue;
        const std::string path(CipherPathName(cipherPath));
        PathCipher cipher(cipherPath);
        RotorBank bank = startingBank;
        text = Windows1251::Decode(in);
        TextResult result = encipher ? cipher.Encipher(bank, std::span(text)) : cipher.Decipher(bank, std::span(text));
        EXPECT_EQ(FirstDifference(text, Windows1251::Decode(out), start), "") << path << ", whole text";
        ExpectAfter(bank, result.passed, result.turned, (path + ", whole text").c_str());

        bank = startingBank;
        std::vector<std::uint8_t> bytes(in.begin(), in.end());
        result = encipher ? cipher.Encipher(bank, std::span(bytes)) : cipher.Decipher(bank, std::span(bytes));
        EXPECT_EQ(FirstDifference(bytes, std::vector<std::uint8_t>(out.begin(), out.end()), start), "")
            << path << ", bytes";
        ExpectAfter(bank, result.passed, result.turned, (path + ", bytes").c_str());
    }

    // Symbol by symbol, as a run steps, on a bank that the installation turned to the key.
    HeadlessWindow window(std::u16string(v.Field("Rotors").begin(), v.Field("Rotors").end()), Text(v.Field("Key")));
    CipherMachine machine(window);
    ASSERT_TRUE(machine.InstallRotors(window));
    RotorBank& installed = machine.Bank();
    installed.Advance(start);
    text = Windows1251::Decode(in);
    std::size_t passed = 0;
    unsigned turned = 0;
    for (char16_t& c : text) {
        if (Alphabet::Machine().Contains(c))
            c = encipher ? installed.EncipherSymbol(c) : installed.DecipherSymbol(c);
        else
            ++passed;
        turned |= installed.Step();
    }
    EXPECT_EQ(FirstDifference(text, Windows1251::Decode(out), start), "") << "symbol by symbol";
    ExpectAfter(installed, passed, turned, "symbol by symbol");
}

INSTANTIATE_TEST_SUITE_P(File, ReferenceTextTest, ::testing::ValuesIn(Vectors().texts), RowName<ReferenceVector>);

class ReferencePathTest : public ::testing::TestWithParam<ReferenceVector> {};

TEST_P(ReferencePathTest, HopsAreTheModelsHops)
{
    const ReferenceVector& v = GetParam();
    const bool encipher = v.section == "EncipherPath";
    ASSERT_TRUE(encipher || v.section == "DecipherPath") << v.section;
    const RotorBank bank = StartingBank(v);
    const Symbol input = Text(v.Field("Symbol")).at(0);
    const std::vector<std::int64_t> positions = Numbers(v.Field("Positions"));
    const std::u16string reached = Text(v.Field("Reached"));
    ASSERT_EQ(positions.size(), 4u);
    ASSERT_EQ(reached.size(), 4u);

    const SymbolPath path = bank.Path(input, encipher ? CipherDirection::Encipher : CipherDirection::Decipher);
    EXPECT_EQ(path.input, input);
    Symbol symbol = input;
    for (std::size_t hop = 0; hop < 4; ++hop) {
        SCOPED_TRACE(::testing::Message() << "hop " << hop + 1);
        const auto slot = static_cast<std::int16_t>(encipher ? hop + 1 : 5 - hop);
        EXPECT_EQ(path.hops[hop].slot, slot);
        EXPECT_EQ(path.hops[hop].position, positions[hop]);
        EXPECT_EQ(path.hops[hop].reached, reached[hop]);
        // The lookups the hop is made of, one by one.
        const std::int16_t position = encipher ? bank.FindInExitRow(slot, symbol) : bank.FindInEntryRow(slot, symbol);
        EXPECT_EQ(position, positions[hop]);
        symbol = encipher ? bank.EntryOfNextSlot(slot, position) : bank.ExitOfPreviousSlot(slot, position);
        EXPECT_EQ(symbol, reached[hop]);
    }
    EXPECT_EQ(path.output, reached[3]);
    EXPECT_EQ(encipher ? bank.EncipherSymbol(input) : bank.DecipherSymbol(input), reached[3]);
}

INSTANTIATE_TEST_SUITE_P(File, ReferencePathTest, ::testing::ValuesIn(Vectors().paths), RowName<ReferenceVector>);

TEST(ReferenceVectorFile, IsReadWhole)
{
    EXPECT_EQ(Vectors().problem, "");
    EXPECT_FALSE(Vectors().texts.empty());
    EXPECT_FALSE(Vectors().paths.empty());
}

}  // namespace velista::test
