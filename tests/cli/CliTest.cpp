// Runs the built velista-cli on files, as a user's batch job would.

#include <CipherMachine.h>
#include <HeadlessWindow.h>
#include <LineBreakNormalizer.h>
#include <Windows1251.h>
#include <Alphabet.h>
#include <RotorWindows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <thread>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace velista;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
    long maxResidentKiB = 0;
};

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velista-cli-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    // Runs the tool with the arguments; stdin comes from the named file, or /dev/null.
    Result Run(std::vector<std::string> args, const std::string& stdinFile = "/dev/null") const
    {
        args.insert(args.begin(), VELISTA_CLI);
        return Spawn(std::move(args), stdinFile);
    }

    // Runs the tool with the files it writes limited to a few KiB, so that writing fails midway
    // (as a full disk would) even for root.
    Result RunWithSmallFiles(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"", VELISTA_CLI});
        return Spawn(std::move(args), "/dev/null");
    }

    Result Spawn(std::vector<std::string> args, const std::string& stdinFile) const
    {
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string outFile = (dir_ / ".stdout").string();
        const std::string errFile = (dir_ / ".stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, stdinFile.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        Result result;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadFile(outFile);
        result.err = ReadFile(errFile);
        result.maxResidentKiB = usage.ru_maxrss;
        return result;
    }

    fs::path dir_;
};

// What the machine makes of a file's bytes, through the core rather than the tool.
std::string ThroughCore(const std::string& bytes, bool encrypt, std::u16string rotors, std::u16string key)
{
    HeadlessWindow window(std::move(rotors), std::move(key));
    CipherMachine machine(window);
    EXPECT_TRUE(machine.InstallRotors(window));
    std::string normalized;
    LineBreakNormalizer<char>().Normalize(bytes, normalized);
    std::u16string text = Windows1251::Decode(normalized);
    if (encrypt)
        machine.Bank().EncipherText(text);
    else
        machine.Bank().DecipherText(text);
    return Windows1251::Encode(text);
}

std::string RandomText(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string text(size, ' ');
    for (char& c : text) {
        const auto roll = random() % 100;
        c = roll < 3 ? '\r' : roll < 6 ? '\n' : static_cast<char>(random() % 256);
    }
    return text;
}

const std::string Key = "Ключ1";  // UTF-8 on the command line

TEST_F(CliTest, EncryptsAsTheMachineDoesAndDecryptsBack)
{
    const std::string plain = RandomText(200'000, 1);
    WriteFile(Path("plain.txt"), plain);
    const Result encrypted =
        Run({"encrypt", "--rotors", "73915", "--key", Key, "-o", Path("c.vls").string(), Path("plain.txt").string()});
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    const std::string cipher = ReadFile(Path("c.vls"));
    EXPECT_EQ(cipher, ThroughCore(plain, true, u"73915", u"Ключ1"));

    const Result decrypted = Run({"decrypt", "--rotors", "73915", "--key", Key, Path("c.vls").string()});
    ASSERT_EQ(decrypted.status, 0) << decrypted.err;
    std::string expected;
    LineBreakNormalizer<char>().Normalize(plain, expected);
    EXPECT_EQ(decrypted.out, expected);
}

struct LineBreakCase {
    const char* name;
    std::string input;
    std::string normalized;
    friend void PrintTo(const LineBreakCase& row, std::ostream* os) { *os << row.name; }
};

class CliLineBreaks : public CliTest, public ::testing::WithParamInterface<LineBreakCase> {};

// Each CR and LF is one text position, so the cipher of the normalized text must come out.
TEST_P(CliLineBreaks, BecomeCrLfAndStepTheBank)
{
    WriteFile(Path("in.txt"), GetParam().input);
    const Result encrypted = Run({"encrypt", "--rotors", "01234", "--key", "abcde", Path("in.txt").string()});
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    EXPECT_EQ(encrypted.out, ThroughCore(GetParam().normalized, true, u"01234", u"abcde"));
    WriteFile(Path("c.vls"), encrypted.out);
    const Result decrypted = Run({"decrypt", "--rotors", "01234", "--key", "abcde", Path("c.vls").string()});
    EXPECT_EQ(decrypted.out, GetParam().normalized);
}

// A CR that ends one piece read from the file and an LF that opens the next are one line break.
std::string AcrossPieces()
{
    std::string text(65535, 'a');
    return text + "\r\nb";
}

INSTANTIATE_TEST_SUITE_P(
    Styles, CliLineBreaks,
    ::testing::Values(LineBreakCase{"Lf", "one\ntwo\n", "one\r\ntwo\r\n"},
                      LineBreakCase{"CrLf", "one\r\ntwo", "one\r\ntwo"},
                      LineBreakCase{"LoneCr", "one\rtwo\r", "one\r\ntwo\r\n"},
                      LineBreakCase{"Mixed", "a\r\r\nb\n\rc", "a\r\n\r\nb\r\n\r\nc"},
                      LineBreakCase{"Empty", "", ""},
                      LineBreakCase{"AcrossPieces", AcrossPieces(), AcrossPieces()},
                      LineBreakCase{"LfAcrossPieces", std::string(65536, 'z') + "\nq",
                                    std::string(65536, 'z') + "\r\nq"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CliTest, ReadsStandardInputAndWritesStandardOutput)
{
    WriteFile(Path("in.txt"), "Привет");
    const Result piped = Run({"encrypt", "--rotors", "55555", "--key", "[ ]:.", "-"}, Path("in.txt").string());
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, ThroughCore("Привет", true, u"55555", u"[ ]:."));
}

struct BadArguments {
    const char* name;
    std::vector<std::string> args;
    std::string named;  // what the message must mention
    friend void PrintTo(const BadArguments& row, std::ostream* os) { *os << row.name; }
};

class CliRefuses : public CliTest, public ::testing::WithParamInterface<BadArguments> {};

TEST_P(CliRefuses, WithStatusTwoAndLeavesTheOutputAlone)
{
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("out.vls"), "old");
    std::vector<std::string> args = GetParam().args;
    args.push_back("-o");
    args.push_back(Path("out.vls").string());
    args.push_back(Path("in.txt").string());
    const Result refused = Run(args);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find(GetParam().named), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);  // in, out, .stdout, .stderr
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliRefuses,
    ::testing::Values(BadArguments{"FourDigits", {"encrypt", "--rotors", "0123", "--key", "abcde"}, "0123"},
                      BadArguments{"SixDigits", {"decrypt", "--rotors", "012345", "--key", "abcde"}, "012345"},
                      BadArguments{"LetterInRotors", {"encrypt", "--rotors", "01a34", "--key", "abcde"}, "01a34"},
                      BadArguments{"NoRotors", {"encrypt", "--key", "abcde"}, "--rotors"},
                      BadArguments{"NoKey", {"encrypt", "--rotors", "01234"}, "--key"},
                      BadArguments{"ShortKey", {"encrypt", "--rotors", "01234", "--key", "abcd"}, "abcd"},
                      BadArguments{"KeyOutsideAlphabet", {"encrypt", "--rotors", "01234", "--key", "abcd!"}, "abcd!"},
                      BadArguments{"KeyWithYo", {"encrypt", "--rotors", "01234", "--key", "ёлки1"}, "ёлки1"},
                      BadArguments{"KeyNotUtf8", {"encrypt", "--rotors", "01234", "--key", "ab\xff" "cd"}, "UTF-8"},
                      BadArguments{"NoCommand", {"--rotors", "01234"}, "encrypt"},
                      BadArguments{"UnknownOption", {"encrypt", "--rotors", "01234", "--key", "abcde", "--fast"},
                                   "--fast"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CliTest, MissingInputIsReportedWithStatusOne)
{
    WriteFile(Path("out.vls"), "old");
    const Result failed = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Path("out.vls").string(),
                               Path("missing.txt").string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("missing.txt"), std::string::npos) << failed.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
}

// A folder opens but cannot be read: the failure comes after the result file was begun.
TEST_F(CliTest, ReadFailureMidwayLeavesTheOldOutput)
{
    fs::create_directory(Path("folder"));
    WriteFile(Path("out.vls"), "old");
    const Result failed = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Path("out.vls").string(),
                               Path("folder").string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);  // no temporary left
}

TEST_F(CliTest, WriteFailureMidwayLeavesTheOldOutput)
{
    WriteFile(Path("in.txt"), RandomText(1 << 20, 3));
    WriteFile(Path("out.vls"), "old");
    const Result failed = RunWithSmallFiles({"encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                                             Path("out.vls").string(), Path("in.txt").string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("out.vls"), std::string::npos) << failed.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);  // no temporary left
}

TEST_F(CliTest, UnwritableOutputIsReportedWithStatusOne)
{
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("file"), "not a folder");
    const Result failed = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                               Path("file").string() + "/out.vls", Path("in.txt").string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("out.vls"), std::string::npos) << failed.err;
}

// A pipe named as the output is written into, not replaced by a file.
TEST_F(CliTest, WritesIntoANamedPipe)
{
    WriteFile(Path("in.txt"), "text");
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ReadFile(Path("pipe")); });
    const Result result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Path("pipe").string(),
                               Path("in.txt").string()});
    reader.join();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(received, ThroughCore("text", true, u"01234", u"abcde"));
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));
}

TEST_F(CliTest, HelpAndVersion)
{
    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("encrypt"), std::string::npos);
    const Result version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "velista-cli 1.0.0\n");
}

// The tool streams: memory stays flat however large the file.
TEST_F(CliTest, MemoryDoesNotGrowWithTheInput)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's own memory hides the tool's";
#else
    {
        std::ofstream big(Path("big.txt"), std::ios::binary);
        const std::string block = RandomText(1 << 20, 2);
        for (int i = 0; i < 48; ++i)
            big << block;
    }
    const Result result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Path("big.vls").string(),
                               Path("big.txt").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_LT(result.maxResidentKiB, 16 * 1024);
#endif
}


// UTF-8 of one BMP character, written out here rather than taken from the tool.
std::string Utf8(char16_t c)
{
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

// What trace must print, worked out with the bank's one-hop procedures and stepping after every position.
std::string TraceThroughProcedures(const std::string& bytes, bool decrypt, std::u16string rotors, std::u16string key)
{
    HeadlessWindow window(std::move(rotors), std::move(key));
    CipherMachine machine(window);
    EXPECT_TRUE(machine.InstallRotors(window));
    RotorBank& bank = machine.Bank();
    std::string normalized;
    LineBreakNormalizer<char>().Normalize(bytes, normalized);
    std::string out;
    std::size_t position = 0;
    for (const char byte : normalized) {
        const char16_t c = Windows1251::Decode(static_cast<unsigned char>(byte));
        char code[16];
        out += std::to_string(position) + "\t";
        if (!Alphabet::Machine().Contains(c)) {
            std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
            out += code;
            out += "\t-\n";
        } else {
            out += Utf8(c);
            char16_t symbol = c;
            for (int hop = 0; hop < 4; ++hop) {
                const auto slot = static_cast<std::int16_t>(decrypt ? 5 - hop : 1 + hop);
                const std::int16_t at = decrypt ? bank.FindInEntryRow(slot, symbol) : bank.FindInExitRow(slot, symbol);
                symbol = decrypt ? bank.ExitOfPreviousSlot(slot, at) : bank.EntryOfNextSlot(slot, at);
                out += "\t";
                out += std::to_string(at);
                out += "\t";
                out += Utf8(symbol);
            }
            EXPECT_EQ(symbol, decrypt ? bank.DecipherSymbol(c) : bank.EncipherSymbol(c)) << "position " << position;
            out += "\n";
        }
        Usl_Procr(bank, window);
        ++position;
    }
    return out;
}

struct TraceCase {
    const char* name;
    std::string input;  // Windows-1251
    bool decrypt;
    std::string rotors;
    std::u16string key;
    friend void PrintTo(const TraceCase& row, std::ostream* os) { *os << row.name; }
};

class CliTrace : public CliTest, public ::testing::WithParamInterface<TraceCase> {};

// Every position's line equals what the one-hop procedures give with the bank stepped as in a run.
TEST_P(CliTrace, EqualsTheOneHopProcedures)
{
    const TraceCase& row = GetParam();
    WriteFile(Path("in.txt"), row.input);
    std::string key;
    for (const char16_t c : row.key)
        key += Utf8(c);
    std::vector<std::string> args = {"trace", "--rotors", row.rotors, "--key", key, Path("in.txt").string()};
    if (row.decrypt)
        args.insert(args.begin() + 1, "--decrypt");
    const Result traced = Run(args);
    ASSERT_EQ(traced.status, 0) << traced.err;
    const std::u16string rotors(row.rotors.begin(), row.rotors.end());
    EXPECT_EQ(traced.out, TraceThroughProcedures(row.input, row.decrypt, rotors, row.key));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CliTrace,
    ::testing::Values(TraceCase{"Example", Windows1251::Encode(u"Привет, мир!"), false, "01234", u"Ключ1"},
                      TraceCase{"ExampleDecrypt", Windows1251::Encode(u"сдр7(DЙFO:щ!"), true, "01234", u"Ключ1"},
                      TraceCase{"LineBreaks", "a\nb\rc\r\n", false, "73915", u"abcde"},
                      TraceCase{"RandomBytes", RandomText(4000, 5), false, "98765", u"Zz09a"},
                      TraceCase{"RandomBytesDecrypt", RandomText(4000, 6), true, "00000", u"[ ]:."},
                      TraceCase{"PastTwoCarries", std::string(300, 'x'), false, "55555", u"abcde"}),
    [](const auto& row) { return std::string(row.param.name); });

// The example of the tool's help: rotors 01234, key «Ключ1», «Привет, мир!».
TEST_F(CliTest, TraceOfTheExample)
{
    WriteFile(Path("in.txt"), Windows1251::Encode(u"Привет, мир!"));
    const Result traced = Run({"trace", "--rotors", "01234", "--key", Key}, Path("in.txt").string());
    ASSERT_EQ(traced.status, 0) << traced.err;
    EXPECT_EQ(traced.out.substr(0, traced.out.find('\n')), "0\tП\t129\tД\t109\t:\t77\tW\t30\tс");
    EXPECT_EQ(traced.out.substr(traced.out.rfind('\n', traced.out.size() - 2) + 1), "11\tU+0021\t-\n");
    EXPECT_EQ(std::count(traced.out.begin(), traced.out.end(), '\n'), 12);
}

// A trace is much longer than its input: a full disk midway is reported, not passed over.
TEST_F(CliTest, TraceReportsAFailedWrite)
{
    WriteFile(Path("in.txt"), RandomText(100'000, 7));
    const Result failed = RunWithSmallFiles({"trace", "--rotors", "01234", "--key", "abcde", Path("in.txt").string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("velista-cli:"), std::string::npos) << failed.err;
}

}  // namespace
