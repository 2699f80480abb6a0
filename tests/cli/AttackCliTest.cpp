// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built velista-cli attack on files enciphered through the core, as a student's batch job would.

#include "tests/support/RowName.h"
#include "tests/support/ToolProcess.h"
#include "tests/support/Utf8Path.h"

#include "cli/Utf8.h"
#include "machine/LineBreakNormalizer.h"
#include "machine/RotorBank.h"
#include "machine/RotorCatalogue.h"
#include "machine/Windows1251.h"
#include "tests/support/BuildPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using namespace velista;
using velista::cli::DecodeUtf8;
using velista::test::ToolProcess;
using velista::test::ToolResult;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Windows-1251 bytes through a bank set directly, line breaks made CR LF first, as the tool reads a file.
std::string Transform(const std::string& bytes, const std::string& rotors, const std::u16string& key, bool encrypt)
{
    RotorBank bank;
    std::array<std::int16_t, SlotCount> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<std::int16_t>(rotors.at(i) - '0');
    EXPECT_TRUE(bank.SetDirectly(RotorCatalogue::Shipped(), numbers, key));
    std::string text;
    LineBreakNormalizer<char>().Normalize(bytes, text);
    const std::span<std::uint8_t> span(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
    encrypt ? bank.EncipherBytes(span) : bank.DecipherBytes(span);
    return text;
}

// Russian prose-like text: letters, spaces, a few commas, and an LF line break every 61 characters.
std::string PlainText(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    static const std::u16string letters = u"абвгдеийклмнопрстуфхцчшщыьэюяАБВКМНПРСТ ,.";
    std::u16string text;
    for (std::size_t i = 0; i < size; ++i)
        text += i % 61 == 60 ? u'\n' : letters[random() % letters.size()];
    return Windows1251::Encode(text);
}

class AttackCli : public ::testing::Test {
protected:
    // A folder of its own under the system's temporary folder, by a random name.
    void SetUp() override
    {
        std::random_device seed;
        std::mt19937_64 random(seed());
        do
            dir_ = fs::temp_directory_path() / ("velista-attack-test-" + std::to_string(random()));
        while (!fs::create_directory(dir_));
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    // Runs "velista-cli attack" in the test's folder with the arguments, which are separated by blanks.
    ToolResult Run(const std::string& arguments, const fs::path& stdinFile = {}) const
    {
        std::vector<std::string> args{test::ToolProgram(), "attack"};
        std::istringstream words(arguments);
        for (std::string word; words >> word;)
            args.push_back(word);
        ToolProcess::Streams streams;
        streams.input = stdinFile;
        streams.output = Path(".out");
        streams.error = Path(".err");
        return ToolProcess(std::move(args), dir_, streams).Wait();
    }

    fs::path dir_;
};

const std::string Rotors = "73915";
const std::u16string Key = u"Ключ1";

struct FoundRow {
    const char* name;
    std::size_t at;          // where the fragment starts in the text with CR LF line breaks
    std::size_t length;
    bool givePosition;
    bool fromStandardInput;  // the ciphertext comes on standard input
};

class AttackCliFinds : public AttackCli, public ::testing::WithParamInterface<FoundRow> {};

TEST_P(AttackCliFinds, TheSettingThatDeciphersTheWholeText)
{
    const FoundRow& row = GetParam();
    const std::string plain = PlainText(4000, 7);
    WriteFile(Path("plain.txt"), plain);
    WriteFile(Path("cipher.vls"), Transform(plain, Rotors, Key, true));
    std::string normalized;
    LineBreakNormalizer<char>().Normalize(plain, normalized);
    // The fragment file keeps LF line breaks: the tool counts them as CR LF, as it counts the ciphertext's.
    std::string fragment = normalized.substr(row.at, row.length);
    std::string lf;
    for (std::size_t i = 0; i < fragment.size(); ++i)
        if (!(fragment[i] == '\r' && i + 1 < fragment.size() && fragment[i + 1] == '\n'))
            lf += fragment[i];
    WriteFile(Path("known.txt"), lf);

    const std::string position = row.givePosition ? "--at " + std::to_string(row.at) + " " : "";
    const ToolResult result = row.fromStandardInput ? Run("--known known.txt " + position, Path("cipher.vls"))
                                                : Run("--known known.txt " + position + "cipher.vls");
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << result.out;
    const std::size_t tab = result.out.find('\t');
    ASSERT_EQ(result.out.substr(0, tab), Rotors);
    // A key of the secret's class: it deciphers the whole file.
    const std::string key = result.out.substr(tab + 1, result.out.size() - tab - 2);
    std::u16string key16;
    for (const char32_t c : DecodeUtf8(key).value_or(U""))
        key16 += static_cast<char16_t>(c);
    EXPECT_EQ(Transform(ReadFile(Path("cipher.vls")), Rotors, key16, false), normalized);
    EXPECT_NE(result.err.find("единственная"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("позиции " + std::to_string(row.at)), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AttackCliFinds,
    ::testing::Values(FoundRow{"KnownPosition", 300, 40, true, false},
                      FoundRow{"UnknownPosition", 1234, 40, false, false},
                      // 270 is a multiple of 135, and the fragment holds the CR LF after 3 * 61 characters.
                      FoundRow{"AcrossAStretchAndALineBreak", 255, 60, true, false},
                      FoundRow{"CiphertextOnStandardInput", 2000, 30, true, true}),
    velista::test::RowName<FoundRow>);

struct StatusRow {
    const char* name;
    std::string arguments;
    int status;
    const char* message;  // part of what standard error must say
};

class AttackCliStatus : public AttackCli, public ::testing::WithParamInterface<StatusRow> {};

TEST_P(AttackCliStatus, IsTheDocumentedOneWithItsReason)
{
    const std::string plain = PlainText(2000, 11);
    WriteFile(Path("cipher.vls"), Transform(plain, Rotors, Key, true));
    WriteFile(Path("known.txt"), plain.substr(500, 40));
    WriteFile(Path("other.txt"), PlainText(40, 99));
    WriteFile(Path("symbols.txt"), "!!!\n\n!!");
    fs::create_directory(Path("folder"));
    const ToolResult result = Run(GetParam().arguments);
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    if (GetParam().status != 0) {
        EXPECT_EQ(result.out, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AttackCliStatus,
    ::testing::Values(
        StatusRow{"ForeignFragmentFitsNowhere", "--known other.txt cipher.vls", 3, "ни одна настройка не подходит"},
        StatusRow{"WrongPositionFitsNothing", "--known known.txt --at 501 cipher.vls", 3,
                  "ни одна настройка не подходит на этой позиции"},
        StatusRow{"PositionBeyondTheEnd", "--known known.txt --at 5000 cipher.vls", 3, "выходит за конец"},
        StatusRow{"NoKnownFragment", "cipher.vls", 2, "не задан известный фрагмент"},
        StatusRow{"KnownWithoutValue", "--known --at 5 cipher.vls", 2, "у параметра --known не указано значение"},
        StatusRow{"NegativePosition", "--known known.txt --at -1 cipher.vls", 2, "позиция «-1» не подходит"},
        StatusRow{"PositionNotANumber", "--known known.txt --at 5x cipher.vls", 2, "позиция «5x» не подходит"},
        StatusRow{"TwoCiphertexts", "--known known.txt cipher.vls cipher.vls", 2, "указывается один"},
        StatusRow{"BothOnStandardInput", "--known -", 2, "не могут оба"},
        StatusRow{"UnknownOption", "--known known.txt --rotors 01234 cipher.vls", 2, "неизвестный параметр"},
        StatusRow{"FragmentWithoutSymbols", "--known symbols.txt cipher.vls", 2, "нет ни одного символа алфавита"},
        StatusRow{"MissingFragmentFile", "--known absent.txt cipher.vls", 1, "не удаётся прочитать «absent.txt»"},
        StatusRow{"FragmentUnderAFile", "--known cipher.vls/known.txt cipher.vls", 1, "часть пути - не папка"},
        StatusRow{"CiphertextIsAFolder", "--known known.txt folder", 1,
                  "не удаётся прочитать «folder»: это папка, а не файл"},
        StatusRow{"Help", "--help", 0, ""}),
    velista::test::RowName<StatusRow>);

struct PositionRow {
    const char* name;
    std::string at;
    int status;
    const char* message;
};

class AttackCliPosition : public AttackCli, public ::testing::WithParamInterface<PositionRow> {};

// A whole number of any length is a position: past the end is status 3; only what is not a number is 2.
TEST_P(AttackCliPosition, IsANumberOfAnyLength)
{
    const std::string plain = PlainText(2000, 11);
    WriteFile(Path("cipher.vls"), Transform(plain, Rotors, Key, true));
    WriteFile(Path("start.txt"), plain.substr(0, 40));
    const ToolResult result = Run("--known start.txt --at " + GetParam().at + " cipher.vls");
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AttackCliPosition,
    ::testing::Values(PositionRow{"TwentyThreeZeros", std::string(23, '0'), 0, "позиции 0"},
                      PositionRow{"ZerosBeforeAPlace", std::string(30, '0') + "1", 3, "на этой позиции"},
                      PositionRow{"NineteenDigits", "1234567890123456789", 3, "выходит за конец"},
                      PositionRow{"TwentyDigits", "18446744073709551616", 3, "выходит за конец"},
                      PositionRow{"FortyNines", std::string(40, '9'), 3, "выходит за конец"},
                      PositionRow{"Exponent", "1e3", 2, "нужно целое число"},
                      PositionRow{"Plus", "+5", 2, "нужно целое число"},
                      PositionRow{"ArabicIndicDigit", "\xD9\xA3", 2, "нужно целое число"}),
    velista::test::RowName<PositionRow>);

struct RepeatRow {
    const char* name;
    int repeats;
    const char* positions;  // what standard error names
};

class AttackCliRepeated : public AttackCli, public ::testing::WithParamInterface<RepeatRow> {};

// A line that the text repeats fits the one setting at each repetition: unique, with its positions.
TEST_P(AttackCliRepeated, IsOneSettingWithItsPositions)
{
    const std::string line = Windows1251::Encode(u"Явка провалена, уходите через двор. Пароль прежний: 1417.\n");
    std::string plain = PlainText(300, 3);
    for (int n = 0; n < GetParam().repeats; ++n)
        plain += line;
    WriteFile(Path("cipher.vls"), Transform(plain, Rotors, Key, true));
    WriteFile(Path("known.txt"), line.substr(5, 30));
    const ToolResult result = Run("--known known.txt cipher.vls");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << result.out;
    EXPECT_EQ(result.out.substr(0, 6), Rotors + "\t");
    EXPECT_NE(result.err.find("единственная"), std::string::npos) << result.err;
    // 300 characters with 4 line breaks made CR LF, then lines of 57 characters and a CR LF.
    EXPECT_NE(result.err.find(GetParam().positions), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AttackCliRepeated,
    ::testing::Values(RepeatRow{"Twice", 2, "на 2 позициях: 309, 368;"},
                      RepeatRow{"ThirtyTimes", 30, "на 30 позициях: 309, 368, 427, "},
                      RepeatRow{"ThirtyTimesNamedUpToTwenty", 30, ", 1430 и ещё 10;"}),
    velista::test::RowName<RepeatRow>);

#ifndef _WIN32
struct ProgressRow {
    const char* name;
    bool terminal;  // standard error is a pseudo-terminal, else a file
};

class AttackCliProgress : public AttackCli, public ::testing::WithParamInterface<ProgressRow> {};

// A search longer than a second tells a terminal how far it has come, and writes nothing of that into a file.
TEST_P(AttackCliProgress, GoesToATerminalOnly)
{
    const std::string plain = PlainText(60000, 5);
    WriteFile(Path("cipher.vls"), Transform(plain, Rotors, Key, true));
    WriteFile(Path("known.txt"), plain.substr(40000, 10));
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    ToolProcess::Streams streams;
    streams.error = GetParam().terminal ? fs::path(ptsname(master)) : Path(".err");
    ToolProcess tool({test::ToolProgram(), "attack", "--known", "known.txt", "cipher.vls"}, dir_, streams);
    std::string seen;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(2500);
    while (std::chrono::steady_clock::now() < until) {
        pollfd ready{master, POLLIN, 0};
        if (poll(&ready, 1, 100) == 1 && (ready.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t got = read(master, buffer, sizeof buffer);
            if (got > 0)
                seen.append(buffer, static_cast<std::size_t>(got));
        }
    }
    kill(tool.Id(), SIGINT);
    // Closed first: the wait reads the error stream's path, and a terminal with its master open never ends.
    close(master);
    const ToolResult result = tool.Wait(std::chrono::seconds(10));
    ASSERT_EQ(result.status, 128 + SIGINT) << "the search ended within 2.5 s: the row tests nothing";
    const std::string written = GetParam().terminal ? seen : ReadFile(Path(".err"));
    EXPECT_EQ(written.find("Идёт поиск: ") != std::string::npos, GetParam().terminal) << written;
}

INSTANTIATE_TEST_SUITE_P(Rows, AttackCliProgress,
                         ::testing::Values(ProgressRow{"Terminal", true}, ProgressRow{"File", false}),
                         velista::test::RowName<ProgressRow>);

TEST_F(AttackCli, InterruptStopsALongSearchWithTheSignalsStatus)
{
    // Ten symbols at an unknown place in 60,000: minutes of search if left to run.
    const std::string plain = PlainText(60000, 5);
    WriteFile(Path("cipher.vls"), Transform(plain, Rotors, Key, true));
    WriteFile(Path("known.txt"), plain.substr(40000, 10));
    ToolProcess tool({test::ToolProgram(), "attack", "--known", "known.txt", "cipher.vls"}, dir_, {});
    // Long enough for the threads to be searching.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    kill(tool.Id(), SIGINT);
    const ToolResult result = tool.Wait(std::chrono::seconds(10));
    ASSERT_NE(result.status, -2) << "still searching 10 s after SIGINT";
    EXPECT_EQ(result.status, 128 + SIGINT) << "0 or 3: the search ended before the signal";
}

// What feeds the tool in a row of the limits: the test's ordinary fragment or ciphertext, a file of some bytes,
// a sparse file of some size, a device, or a FIFO that a thread keeps writing until the tool stops reading.
enum class Source { Ordinary, Bytes, Sparse, ZeroDevice, EndlessFifo };

struct Feed {
    Source source = Source::Ordinary;
    std::size_t size = 0;  // of Bytes or Sparse
    char byte = 0;         // what Bytes or the FIFO repeats
};

struct LimitRow {
    const char* name;
    Feed known, cipher;
    int status;
    const char* message;
};

class AttackCliLimits : public AttackCli, public ::testing::WithParamInterface<LimitRow> {
protected:
    // The argument naming the source; a FIFO gets its writer.
    std::string Prepare(const Feed& feed, const std::string& name, const std::string& ordinary)
    {
        switch (feed.source) {
        case Source::Ordinary:
            return ordinary;
        case Source::Bytes:
            WriteFile(Path(name), std::string(feed.size, feed.byte));
            return name;
        case Source::Sparse:
            std::ofstream(Path(name), std::ios::binary).put('a');
            fs::resize_file(Path(name), feed.size);
            return name;
        case Source::ZeroDevice:
            return "/dev/zero";
        case Source::EndlessFifo:
            if (mkfifo(Path(name).c_str(), 0600) != 0)
                ADD_FAILURE() << "mkfifo";
            writers_.emplace_back([path = Path(name), byte = feed.byte] {
                const int fd = open(path.c_str(), O_WRONLY);
                const std::string block(1 << 16, byte);
                while (fd >= 0 && write(fd, block.data(), block.size()) > 0) {
                }
                if (fd >= 0)
                    close(fd);
            });
            return name;
        }
        return {};
    }

    std::vector<std::jthread> writers_;
};

// Each refusal comes at once or at the limit (a FIFO is not read to its end), with the reason, and nothing on
// standard output.
TEST_P(AttackCliLimits, StopAtTheLimits)
{
    // The FIFO's writer learns that the reader has gone from EPIPE rather than dying of SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    const LimitRow& row = GetParam();
    const std::string plain = PlainText(2000, 11);
    WriteFile(Path("plain.txt"), plain.substr(100, 40));
    WriteFile(Path("ok.vls"), Transform(plain, Rotors, Key, true));
    const std::string known = Prepare(row.known, "known.txt", "plain.txt");
    const std::string cipher = Prepare(row.cipher, "cipher.vls", "ok.vls");
    const ToolResult result = Run("--known " + known + " " + cipher);
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
}

constexpr std::size_t Fragment = 64 << 10, Cipher = std::size_t{256} << 20;

INSTANTIATE_TEST_SUITE_P(
    Rows, AttackCliLimits,
    ::testing::Values(
        LimitRow{"KnownIsADevice", {Source::ZeroDevice}, {}, 1, "устройство"},
        LimitRow{"CiphertextIsADevice", {}, {Source::ZeroDevice}, 1, "устройство"},
        LimitRow{"KnownFifoThatNeverEnds", {Source::EndlessFifo, 0, 'a'}, {}, 1, "длиннее 65536"},
        LimitRow{"CiphertextFifoThatNeverEnds", {}, {Source::EndlessFifo, 0, '\n'}, 1, "длиннее 268435456"},
        LimitRow{"KnownJustOverTheLimit", {Source::Bytes, Fragment + 1, 'a'}, {}, 1, "длиннее 65536"},
        // 40,000 LF are 80,000 characters as CR LF.
        LimitRow{"KnownOverTheLimitByItsLineBreaks", {Source::Bytes, 40000, '\n'}, {}, 1, "длиннее 65536"},
        LimitRow{"KnownAtTheLimitIsSearched", {Source::Bytes, Fragment, 'a'}, {}, 3, "длиннее шифротекста"},
        LimitRow{"CiphertextJustOverTheLimit", {}, {Source::Sparse, Cipher + 1}, 1, "длиннее 268435456"}),
    velista::test::RowName<LimitRow>);
#endif

}  // namespace
