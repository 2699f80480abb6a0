// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built velista-cli where POSIX itself is the subject: full disks, named pipes, links, owners
// and modes, other users, signals and bash's completion.

#include "tests/cli/CliTest.h"
#include "tests/cli/CliWrongOutput.h"

#include "tests/support/BuildPaths.h"
#include "tests/support/RowName.h"

#include <chrono>
#include <csignal>
#include <sstream>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace velista;
using namespace velista::test;

// Runs the tool with the files it writes limited to a few KiB, so that writing fails midway (as a full
// disk would) even for root.
ToolResult RunWithSmallFiles(const fs::path& folder, std::vector<std::string> args)
{
    args.insert(args.begin(), {"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"", test::ToolProgram()});
    ToolProcess::Streams streams;
    streams.output = folder / ".stdout";
    streams.error = folder / ".stderr";
    return ToolProcess(std::move(args), folder, streams).Wait();
}

TEST_F(CliTest, WriteFailureMidwayLeavesTheOldOutput)
{
    WriteFile(Path("in.txt"), RandomText(1 << 20, 3));
    WriteFile(Path("out.vls"), "old");
    const ToolResult failed = RunWithSmallFiles(dir_, {"encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                                             Argument("out.vls"), Argument("in.txt")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("out.vls"), std::string::npos) << failed.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);  // no temporary left
}

// A pipe named as the output is written into, not replaced by a file.
TEST_F(CliTest, WritesIntoANamedPipe)
{
    WriteFile(Path("in.txt"), "text");
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ReadFile(Path("pipe")); });
    const ToolResult result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("pipe"),
                               Argument("in.txt")});
    reader.join();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(received, ThroughCore("text", true, u"01234", u"abcde"));
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));
}

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
    ToolProcess::Streams streams;
    streams.appendOutput = GetParam().appendOutput;
    const ToolResult result = ToolProcess({test::ToolProgram(), "encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                                           "out.vls", Argument("in.txt")},
                                          dir_, Captured(streams))
                                  .Wait();
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
    const ToolResult result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("out.vls"),
                               Argument("in.txt")});
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
    ToolProcess tool({test::ToolProgram(), "encrypt", "--rotors", "01234", "--key", "abcde", "-o", "out.vls", "in.txt"},
                     dir_, Captured());
    // Wait until the first piece has reached the temporary file.
    bool begun = false;
    for (int i = 0; i < 2000 && !begun; ++i) {
        for (const auto& name : Names(dir_))
            begun = begun || (name.rfind(".velista-", 0) == 0 && fs::file_size(Path(name)) > 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(begun);
    kill(tool.Id(), GetParam().signal);
    const ToolResult result = tool.Wait(std::chrono::seconds(20));
    close(writer);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(Names(dir_), (std::set<std::string>{"in.txt", "out.vls"}));
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
}

INSTANTIATE_TEST_SUITE_P(Signals, CliInterrupted,
                         ::testing::Values(SignalCase{"Interrupt", SIGINT, 130}, SignalCase{"Terminate", SIGTERM, 143},
                                           SignalCase{"HangUp", SIGHUP, 129}),
                         RowName<SignalCase>);

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
    const std::string script = "source '" + std::string(test::ToolCompletion()) + "'; COMP_WORDS=(" + GetParam().line
        + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _velista_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
    const ToolResult result = ToolProcess({"/bin/bash", "-c", script}, dir_, Captured()).Wait();
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


// The links and other users that the tool must refuse to write for, before it reads any input.
void DanglingLink(const fs::path& folder, std::vector<std::string>&)
{
    fs::create_symlink("nowhere.vls", folder / "dangling");
}

// Runs the tool as nobody, who may not write in "locked" (nor replace root's files).
void AsNobody(const fs::path& folder, std::vector<std::string>& args)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to run the tool as nobody";
    fs::permissions(folder, fs::perms(0755));
    fs::permissions(folder / "locked", fs::perms(0555));
    args.insert(args.begin(), {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
}

INSTANTIATE_TEST_SUITE_P(
    PosixOutputs, CliWrongOutput,
    ::testing::Values(WrongOutputCase{"DanglingLink", "dangling", "ссылка на несуществующий файл", DanglingLink},
                      WrongOutputCase{"UnwritableFolder", "locked/out.vls",
                                      "нет права создавать файлы в папке «locked»", AsNobody},
                      // The folder would let nobody replace root's file, but the file itself says no.
                      WrongOutputCase{"FileWithoutTheRightToWrite", "open/theirs.vls", "нет доступа", AsNobody}),
    RowName<WrongOutputCase>);

// A trace is much longer than its input: a full disk midway is reported, not passed over.
TEST_F(CliTest, TraceReportsAFailedWrite)
{
    WriteFile(Path("in.txt"), RandomText(100'000, 7));
    const ToolResult failed = RunWithSmallFiles(dir_, {"trace", "--rotors", "01234", "--key", "abcde", Argument("in.txt")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("velista-cli:"), std::string::npos) << failed.err;
}

}  // namespace
