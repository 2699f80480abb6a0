// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built velista-cli on files, as a user's batch job would.

#include "installation/CipherMachine.h"
#include "installation/RotorWindows.h"
#include "machine/Alphabet.h"
#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
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
using velista::test::RowName;

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
        Streams streams;
        streams.stdinFile = stdinFile;
        return Wait(Start(std::move(args), streams));
    }

    // Runs the tool with the files it writes limited to a few KiB, so that writing fails midway
    // (as a full disk would) even for root.
    Result RunWithSmallFiles(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"", VELISTA_CLI});
        return Wait(Start(std::move(args), Streams{}));
    }

    struct Streams {
        std::string stdinFile = "/dev/null";
        int stdinDescriptor = -1;  // used instead of stdinFile when not -1
        std::vector<int> closed;   // standard descriptors the tool starts without
        bool appendOutput = false; // standard output added to what .stdout holds, as a shell's >> does
    };

    // Starts a program in the test's folder, with the signals at their defaults whatever the test runner
    // ignores; standard output and error go to files.
    pid_t Start(std::vector<std::string> args, const Streams& streams) const
    {
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string outFile = (dir_ / ".stdout").string();
        const std::string errFile = (dir_ / ".stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (streams.stdinDescriptor >= 0)
            posix_spawn_file_actions_adddup2(&actions, streams.stdinDescriptor, 0);
        else
            posix_spawn_file_actions_addopen(&actions, 0, streams.stdinFile.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(),
                                         O_WRONLY | O_CREAT | (streams.appendOutput ? O_APPEND : O_TRUNC), 0644);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (const int fd : streams.closed)
            posix_spawn_file_actions_addclose(&actions, fd);
        posix_spawn_file_actions_addchdir_np(&actions, dir_.c_str());
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        return pid;
    }

    // Waits for the program; one still running after the time limit is killed and reported as -2.
    Result Wait(pid_t pid, std::chrono::seconds limit = std::chrono::seconds(120)) const
    {
        int status = 0;
        rusage usage{};
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (wait4(pid, &status, WNOHANG, &usage) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                wait4(pid, &status, 0, &usage);
                Result stuck;
                stuck.status = -2;
                return stuck;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        Result result;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadFile(dir_ / ".stdout");
        result.err = ReadFile(dir_ / ".stderr");
        result.maxResidentKiB = usage.ru_maxrss;
        return result;
    }

    // The names in a folder, but for the captured standard output and error.
    std::set<std::string> Names(const fs::path& folder) const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        names.erase(".stdout");
        names.erase(".stderr");
        return names;
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
    RowName<LineBreakCase>);

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
    // A value is echoed with its control characters escaped, so the terminal is never driven by it.
    for (const char c : refused.err)
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << "raw control character in " << refused.err;
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
                                   "--fast"},
                      BadArguments{"RepeatedRotors",
                                   {"encrypt", "--rotors", "01234", "--rotors", "56789", "--key", "abcde"},
                                   "--rotors указан 2 раза"},
                      BadArguments{"RepeatedOutput", {"encrypt", "--rotors", "01234", "--key", "abcde", "-o", "x"},
                                   "-o (--output) указан 2 раза"},
                      BadArguments{"ValueMissingBeforeOption", {"encrypt", "--key", "--rotors", "01234"},
                                   "у параметра --key не указано значение"},
                      BadArguments{"OptionsBeforeCommand", {"--rotors", "01234", "encrypt", "--key", "abcde"},
                                   "«--rotors 01234» стоит перед командой encrypt"},
                      BadArguments{"NotACommand", {"encrypt2", "--rotors", "01234", "--key", "abcde"},
                                   "а не «encrypt2»"},
                      BadArguments{"DashFileWithoutDoubleDash", {"encrypt", "--rotors", "01234", "--key", "abcde",
                                   "-x.txt"}, "после «--»"},
                      BadArguments{"TwoInputs", {"encrypt", "--rotors", "01234", "--key", "abcde", "b.txt"},
                                   "исходный файл указывается один, а дано 2"},
                      // Five emoji are five characters (ten UTF-16 units), none of the alphabet.
                      BadArguments{"EmojiKey", {"encrypt", "--rotors", "01234", "--key",
                                   "\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"}, "вне алфавита"},
                      // е + U+0308 is ё, one character outside the alphabet, not six characters.
                      BadArguments{"DecomposedYoKey", {"encrypt", "--rotors", "01234", "--key", "е\u0308лки1"},
                                   "вне алфавита"},
                      BadArguments{"EscapeInKey", {"encrypt", "--rotors", "01234", "--key", "a\x1b[2Jb"},
                                   "«a\\x1B[2Jb»"},
                      BadArguments{"C1ControlInRotors", {"encrypt", "--rotors", "01\u009b34", "--key", "abcde"},
                                   "«01\\u009B34»"},
                      BadArguments{"NewlineInUnknownOption",
                                   {"encrypt", "--rotors", "01234", "--key", "abcde", "--a\nb"}, "«--a\\nb»"}),
    RowName<BadArguments>);

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

struct HelpCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> shown;  // what standard output must hold
    friend void PrintTo(const HelpCase& row, std::ostream* os) { *os << row.name; }
};

class CliHelp : public CliTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(CliHelp, ShowsWhatAUserNeeds)
{
    const Result shown = Run(GetParam().args);
    EXPECT_EQ(shown.status, 0) << shown.err;
    for (const auto& part : GetParam().shown)
        EXPECT_NE(shown.out.find(part), std::string::npos) << part << " missing from\n" << shown.out;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CliHelp,
    ::testing::Values(
        HelpCase{"Help",
                 {"--help"},
                 {"encrypt", "decrypt", "--rotors 01234", "--key KEY", "-o,--output", "INPUT", "Коды завершения",
                  "  2  неверные аргументы", "velista-cli encrypt --rotors 73915 --key 'Ключ1' -o"}},
        HelpCase{"CommandHelp", {"decrypt", "--help"}, {"velista-cli decrypt", "--rotors", "--key", "-o", "Пример"}},
        HelpCase{"Version", {"--version"}, {"velista-cli 1.0.0\n", "GPL-3.0-or-later"}}),
    RowName<HelpCase>);

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

struct AcceptedArguments {
    const char* name;
    std::vector<std::string> args;  // after "encrypt --rotors 01234"; the input "-x.txt" holds "Привет"
    std::u16string key;             // the key the result must have been made with
    friend void PrintTo(const AcceptedArguments& row, std::ostream* os) { *os << row.name; }
};

class CliAccepts : public CliTest, public ::testing::WithParamInterface<AcceptedArguments> {};

TEST_P(CliAccepts, AndEnciphersWithTheKeyMeant)
{
    WriteFile(Path("-x.txt"), "Привет");
    std::vector<std::string> args{"encrypt", "--rotors", "01234"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const Result result = Run(args, Path("-x.txt").string());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, ThroughCore("Привет", true, u"01234", GetParam().key));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliAccepts,
    ::testing::Values(AcceptedArguments{"DecomposedShortI", {"--key", "и\u0306abcd"}, u"йabcd"},
                      AcceptedArguments{"DecomposedCapitalShortI", {"--key", "И\u0306И\u0306abc"}, u"ЙЙabc"},
                      AcceptedArguments{"DashFileAfterDoubleDash", {"--key", "abcde", "--", "-x.txt"}, u"abcde"},
                      AcceptedArguments{"StdinAfterDoubleDash", {"--key", "abcde", "--", "-"}, u"abcde"},
                      AcceptedArguments{"EqualsForm", {"--key=abcde", "-o", "-"}, u"abcde"}),
    RowName<AcceptedArguments>);

// ---- The output file: links, owner and mode, checks before reading, signals, closed streams ----

struct LinkCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link, where it points
    std::string written;                                      // the file that must receive the result
    bool appendOutput = false;                                // standard output appended to "old"
    friend void PrintTo(const LinkCase& row, std::ostream* os) { *os << row.name; }
};

class CliOutputLinks : public CliTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(CliOutputLinks, WriteTheFileTheLinkNamesAndKeepTheLink)
{
    fs::create_directory(Path("sub"));
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("sub/real.vls"), "old");
    WriteFile(Path("real.vls"), "old");
    for (const auto& [link, target] : GetParam().links)
        fs::create_symlink(target, Path(link));
    WriteFile(Path(".stdout"), "old");
    Streams streams;
    streams.appendOutput = GetParam().appendOutput;
    const Result result = Wait(Start({VELISTA_CLI, "encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                                      "out.vls", Path("in.txt").string()},
                                     streams));
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string cipher = (GetParam().appendOutput ? "old" : "") + ThroughCore("text", true, u"01234", u"abcde");
    EXPECT_EQ(GetParam().written == ".stdout" ? result.out : ReadFile(Path(GetParam().written)), cipher);
    for (const auto& [link, target] : GetParam().links) {
        EXPECT_TRUE(fs::is_symlink(Path(link))) << link;
        EXPECT_EQ(fs::read_symlink(Path(link)), target);
    }
    std::set<std::string> expected{"in.txt", "real.vls", "sub"};
    for (const auto& link : GetParam().links)
        expected.insert(link.first);
    EXPECT_EQ(Names(dir_), expected);  // no temporary file left
    EXPECT_EQ(Names(Path("sub")), std::set<std::string>{"real.vls"});
}

INSTANTIATE_TEST_SUITE_P(
    Links, CliOutputLinks,
    ::testing::Values(LinkCase{"ToAFile", {{"out.vls", "real.vls"}}, "real.vls"},
                      LinkCase{"ToAnotherFolder", {{"out.vls", "sub/real.vls"}}, "sub/real.vls"},
                      LinkCase{"Chain", {{"out.vls", "hop"}, {"hop", "sub/../sub/real.vls"}}, "sub/real.vls"},
                      // Standard output is the .stdout file here; the link must stay a link.
                      LinkCase{"ToStandardOutput", {{"out.vls", "/dev/stdout"}}, ".stdout"},
                      LinkCase{"ToStandardOutputAppending", {{"out.vls", "/dev/stdout"}}, ".stdout", true},
                      LinkCase{"ToADescriptor", {{"out.vls", "/proc/self/fd/1"}}, ".stdout", true}),
    RowName<LinkCase>);

struct KeptFileCase {
    const char* name;
    mode_t mode;
    uid_t owner;
    gid_t group;
    friend void PrintTo(const KeptFileCase& row, std::ostream* os) { *os << row.name; }
};

class CliReplacedFile : public CliTest, public ::testing::WithParamInterface<KeptFileCase> {};

// The tests run as root, who may give a file to nobody and keep it so.
TEST_P(CliReplacedFile, KeepsItsOwnerAndMode)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may keep another user's file as theirs";
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("out.vls"), "old");
    ASSERT_EQ(chown(Path("out.vls").c_str(), GetParam().owner, GetParam().group), 0);
    ASSERT_EQ(chmod(Path("out.vls").c_str(), GetParam().mode), 0);
    const Result result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Path("out.vls").string(),
                               Path("in.txt").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), ThroughCore("text", true, u"01234", u"abcde"));
    struct stat replaced {};
    ASSERT_EQ(stat(Path("out.vls").c_str(), &replaced), 0);
    EXPECT_EQ(replaced.st_uid, GetParam().owner);
    EXPECT_EQ(replaced.st_gid, GetParam().group);
    EXPECT_EQ(replaced.st_mode & 07777, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliReplacedFile,
    ::testing::Values(KeptFileCase{"NobodysPrivate", 0600, 65534, 65534},
                      KeptFileCase{"NobodysGroupReadable", 0640, 65534, 0},
                      KeptFileCase{"RootsOddMode", 0604, 0, 0},
                      // Changing the owner clears set-group-ID; it must come back.
                      KeptFileCase{"NobodysSetGroupId", 02750, 65534, 65534}),
    RowName<KeptFileCase>);

TEST_F(CliTest, ReplacesItsOwnInputInPlace)
{
    WriteFile(Path("f.txt"), "text");
    const Result result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Path("f.txt").string(),
                               Path("f.txt").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(Path("f.txt")), ThroughCore("text", true, u"01234", u"abcde"));
}

struct WrongOutputCase {
    const char* name;
    std::string output;  // relative to the test's folder
    std::string reason;  // what the message must say
    bool asNobody = false;
    friend void PrintTo(const WrongOutputCase& row, std::ostream* os) { *os << row.name; }
};

class CliWrongOutput : public CliTest, public ::testing::WithParamInterface<WrongOutputCase> {};

// The input is a pipe that never ends: a tool that read its input before checking the output would
// never answer.
TEST_P(CliWrongOutput, IsReportedBeforeAnyInputIsRead)
{
    fs::create_directory(Path("dir"));
    fs::create_directory(Path("locked"));
    fs::create_directory(Path("open"));
    fs::permissions(Path("open"), fs::perms(0777));
    WriteFile(Path("open/theirs.vls"), "old");
    WriteFile(Path("dir/old.vls"), "old");
    WriteFile(Path("file"), "a file");
    fs::create_symlink("nowhere.vls", Path("dangling"));
    std::vector<std::string> args{VELISTA_CLI, "encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                                  GetParam().output};
    if (GetParam().asNobody) {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to run the tool as nobody";
        fs::permissions(dir_, fs::perms(0755));
        fs::permissions(Path("locked"), fs::perms(0555));
        args.insert(args.begin(), {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    }
    const std::set<std::string> before = Names(dir_);
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    Streams streams;
    streams.stdinDescriptor = pipe[0];
    const pid_t tool = Start(args, streams);
    const Result refused = Wait(tool, std::chrono::seconds(20));
    close(pipe[0]);
    close(pipe[1]);
    ASSERT_NE(refused.status, -2) << "the tool waited for its input before checking the output";
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(GetParam().reason), std::string::npos) << refused.err;
    EXPECT_EQ(Names(dir_), before);
    EXPECT_EQ(Names(Path("dir")), std::set<std::string>{"old.vls"});
    EXPECT_TRUE(Names(Path("locked")).empty());
    EXPECT_EQ(Names(Path("open")), std::set<std::string>{"theirs.vls"});
    EXPECT_EQ(ReadFile(Path("open/theirs.vls")), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, CliWrongOutput,
    ::testing::Values(WrongOutputCase{"Folder", "dir", "это папка, а не файл"},
                      WrongOutputCase{"FolderWithSlash", "dir/", "это папка, а нужен файл"},
                      WrongOutputCase{"MissingFolderWithSlash", "nosuch/", "это папка, а нужен файл"},
                      WrongOutputCase{"MissingFolder", "nosuch/out.vls", "нет папки «nosuch»"},
                      WrongOutputCase{"FileAsFolder", "file/out.vls", "«file» - не папка"},
                      WrongOutputCase{"DanglingLink", "dangling", "ссылка на несуществующий файл"},
                      WrongOutputCase{"UnwritableFolder", "locked/out.vls", "нет права создавать файлы в папке «locked»",
                                      true},
                      // The folder would let nobody replace root's file, but the file itself says no.
                      WrongOutputCase{"FileWithoutTheRightToWrite", "open/theirs.vls", "нет доступа", true}),
    RowName<WrongOutputCase>);

struct SignalCase {
    const char* name;
    int signal;
    int status;
    friend void PrintTo(const SignalCase& row, std::ostream* os) { *os << row.name; }
};

class CliInterrupted : public CliTest, public ::testing::WithParamInterface<SignalCase> {};

// The input is a named pipe the test keeps open, so the tool is surely midway, its temporary file
// begun, when the signal comes.
TEST_P(CliInterrupted, RemovesTheTemporaryFileAndExitsWithTheSignalsStatus)
{
    WriteFile(Path("out.vls"), "old");
    ASSERT_EQ(mkfifo(Path("in.txt").c_str(), 0600), 0);
    const int writer = open(Path("in.txt").c_str(), O_RDWR);  // read-write: does not wait for a reader
    ASSERT_GE(writer, 0);
    const std::string piece(1 << 16, 'a');  // one whole piece; fits the pipe's buffer
    ASSERT_EQ(write(writer, piece.data(), piece.size()), static_cast<ssize_t>(piece.size()));
    const pid_t tool = Start({VELISTA_CLI, "encrypt", "--rotors", "01234", "--key", "abcde", "-o", "out.vls",
                              "in.txt"},
                             Streams{});
    // Wait until the first piece has reached the temporary file.
    bool begun = false;
    for (int i = 0; i < 2000 && !begun; ++i) {
        for (const auto& name : Names(dir_))
            begun = begun || (name.rfind(".velista-", 0) == 0 && fs::file_size(Path(name)) > 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(begun);
    kill(tool, GetParam().signal);
    const Result result = Wait(tool, std::chrono::seconds(20));
    close(writer);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(Names(dir_), (std::set<std::string>{"in.txt", "out.vls"}));
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
}

INSTANTIATE_TEST_SUITE_P(Signals, CliInterrupted,
                         ::testing::Values(SignalCase{"Interrupt", SIGINT, 130}, SignalCase{"Terminate", SIGTERM, 143},
                                           SignalCase{"HangUp", SIGHUP, 129}),
                         RowName<SignalCase>);

struct ClosedStreamCase {
    const char* name;
    int closed;                     // the descriptor the tool starts without
    std::vector<std::string> args;  // after "encrypt --rotors 01234 --key abcde"
    int status;
    std::string reason;  // in the message, when standard error is open
    friend void PrintTo(const ClosedStreamCase& row, std::ostream* os) { *os << row.name; }
};

class CliClosedStream : public CliTest, public ::testing::WithParamInterface<ClosedStreamCase> {};

TEST_P(CliClosedStream, IsRefusedOnlyWhenNeededAndNothingIsTouched)
{
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("out.vls"), "old");
    std::vector<std::string> args{VELISTA_CLI, "encrypt", "--rotors", "01234", "--key", "abcde"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    Streams streams;
    streams.stdinFile = Path("in.txt").string();
    streams.closed = {GetParam().closed};
    const Result result = Wait(Start(args, streams));
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_NE(result.err.find(GetParam().reason), std::string::npos) << result.err;
    const std::string expected = GetParam().status == 0 ? ThroughCore("text", true, u"01234", u"abcde") : "old";
    EXPECT_EQ(ReadFile(Path("out.vls")), expected);
    EXPECT_EQ(Names(dir_), (std::set<std::string>{"in.txt", "out.vls"}));
}

INSTANTIATE_TEST_SUITE_P(
    Streams, CliClosedStream,
    ::testing::Values(ClosedStreamCase{"InputReadFromIt", 0, {"-o", "out.vls"}, 1, "стандартный ввод закрыт"},
                      ClosedStreamCase{"InputNotNeeded", 0, {"-o", "out.vls", "in.txt"}, 0, ""},
                      ClosedStreamCase{"OutputWrittenToIt", 1, {"in.txt"}, 1, "стандартный вывод закрыт"},
                      ClosedStreamCase{"OutputNotNeeded", 1, {"-o", "out.vls", "in.txt"}, 0, ""},
                      ClosedStreamCase{"Error", 2, {"-o", "out.vls", "in.txt"}, 1, ""}),
    RowName<ClosedStreamCase>);

struct CompletionCase {
    const char* name;
    std::string line;  // the words typed, the last one being completed
    std::set<std::string> offered;
    friend void PrintTo(const CompletionCase& row, std::ostream* os) { *os << row.name; }
};

class CliCompletion : public CliTest, public ::testing::WithParamInterface<CompletionCase> {};

TEST_P(CliCompletion, OffersTheWordsThatFit)
{
    WriteFile(Path("letter.txt"), "");
    WriteFile(Path("letter.vls"), "");
    const std::string script = "source '" VELISTA_CLI_COMPLETION "'; COMP_WORDS=(" + GetParam().line
        + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _velista_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
    const Result result = Wait(Start({"/bin/bash", "-c", script}, Streams{}));
    ASSERT_EQ(result.status, 0) << result.err;
    std::set<std::string> offered;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty())
            offered.insert(line);
    EXPECT_EQ(offered, GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    Words, CliCompletion,
    ::testing::Values(CompletionCase{"Command", "velista-cli ''", {"encrypt", "decrypt", "trace", "attack", "--help", "--version"}},
                      CompletionCase{"TraceOption", "velista-cli trace --d", {"--decrypt"}},
                      CompletionCase{"CommandStart", "velista-cli de", {"decrypt"}},
                      CompletionCase{"Option", "velista-cli encrypt --r", {"--rotors"}},
                      CompletionCase{"PlainTextForEncrypt", "velista-cli encrypt let", {"letter.txt"}},
                      CompletionCase{"CipherTextForDecrypt", "velista-cli decrypt --key abcde let", {"letter.vls"}},
                      CompletionCase{"AnyOutput", "velista-cli decrypt -o let", {"letter.txt", "letter.vls"}},
                      CompletionCase{"AttackOption", "velista-cli attack --k", {"--known"}},
                      CompletionCase{"AnyKnownFragment", "velista-cli attack --known let", {"letter.txt", "letter.vls"}},
                      CompletionCase{"CipherTextForAttack", "velista-cli attack --known x let", {"letter.vls"}}),
    RowName<CompletionCase>);


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
    RowName<TraceCase>);

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
