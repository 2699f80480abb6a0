// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built velista-cli on files, as a user's batch job would: the cases that mean the same on every system.

#include "tests/cli/CliTest.h"
#include "tests/cli/CliWrongOutput.h"

#include "installation/RotorWindows.h"
#include "machine/Alphabet.h"
#include "tests/support/BuildPaths.h"
#include "tests/support/RowName.h"

#include <algorithm>
#include <cstdio>

namespace {

namespace fs = std::filesystem;
using namespace velista;
using namespace velista::test;

const std::string Key = "Ключ1";  // UTF-8 on the command line

TEST_F(CliTest, EncryptsAsTheMachineDoesAndDecryptsBack)
{
    const std::string plain = RandomText(200'000, 1);
    WriteFile(Path("plain.txt"), plain);
    const ToolResult encrypted =
        Run({"encrypt", "--rotors", "73915", "--key", Key, "-o", Argument("c.vls"), Argument("plain.txt")});
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    const std::string cipher = ReadFile(Path("c.vls"));
    EXPECT_EQ(cipher, ThroughCore(plain, true, u"73915", u"Ключ1"));

    const ToolResult decrypted = Run({"decrypt", "--rotors", "73915", "--key", Key, Argument("c.vls")});
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

// Each CR and LF is one text position, so the cipher of the normalized text must come out. Both come on
// standard output, which must carry the bytes as they are: a text-mode stream writes CR LF as CR CR LF.
TEST_P(CliLineBreaks, BecomeCrLfAndStepTheBank)
{
    WriteFile(Path("in.txt"), GetParam().input);
    const ToolResult encrypted = Run({"encrypt", "--rotors", "01234", "--key", "abcde", Argument("in.txt")});
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    EXPECT_EQ(encrypted.out, ThroughCore(GetParam().normalized, true, u"01234", u"abcde"));
    WriteFile(Path("c.vls"), encrypted.out);
    const ToolResult decrypted = Run({"decrypt", "--rotors", "01234", "--key", "abcde", Argument("c.vls")});
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
    const ToolResult piped = Run({"encrypt", "--rotors", "55555", "--key", "[ ]:.", "-"}, Path("in.txt"));
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
    args.push_back(Argument("out.vls"));
    args.push_back(Argument("in.txt"));
    const ToolResult refused = Run(args);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find(GetParam().named), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);  // in, out, .stdout, .stderr
    // A value is echoed with its control characters escaped, so the terminal is never driven by it.
    for (const char c : refused.err)
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << "raw control character in " << refused.err;
}

std::vector<BadArguments> RefusedArguments()
{
    std::vector<BadArguments> rows{BadArguments{"FourDigits", {"encrypt", "--rotors", "0123", "--key", "abcde"}, "0123"},
                      BadArguments{"SixDigits", {"decrypt", "--rotors", "012345", "--key", "abcde"}, "012345"},
                      BadArguments{"LetterInRotors", {"encrypt", "--rotors", "01a34", "--key", "abcde"}, "01a34"},
                      BadArguments{"NoRotors", {"encrypt", "--key", "abcde"}, "--rotors"},
                      BadArguments{"NoKey", {"encrypt", "--rotors", "01234"}, "--key"},
                      BadArguments{"ShortKey", {"encrypt", "--rotors", "01234", "--key", "abcd"}, "abcd"},
                      BadArguments{"KeyOutsideAlphabet", {"encrypt", "--rotors", "01234", "--key", "abcd!"}, "abcd!"},
                      BadArguments{"KeyWithYo", {"encrypt", "--rotors", "01234", "--key", "ёлки1"}, "ёлки1"},
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
                                   {"encrypt", "--rotors", "01234", "--key", "abcde", "--a\nb"}, "«--a\\nb»"}};
    // On Windows the arguments travel as one command line: quotes, backslashes and empty words must
    // come through as they were given.
    rows.push_back({"EmptyKey", {"encrypt", "--rotors", "01234", "--key", ""}, "не задан ключ"});
    rows.push_back({"QuoteInKey", {"encrypt", "--rotors", "01234", "--key", "ab\"cd"}, "«ab\"cd»"});
    rows.push_back({"BackslashesBeforeQuote", {"encrypt", "--rotors", "01234", "--key", "a\\\\\"b"},
                    "«a\\\\\"b»"});
    rows.push_back({"BlankAndTrailingBackslashes", {"encrypt", "--rotors", "01234", "--key", "ab c\\\\"},
                    "«ab c\\\\» не подходит: нужно ровно пять символов, а их 6"});
#ifndef _WIN32
    // Only a POSIX command line is bytes; a Windows one is UTF-16 and cannot carry these.
    rows.push_back({"KeyNotUtf8", {"encrypt", "--rotors", "01234", "--key", "ab\xff" "cd"}, "UTF-8"});
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Arguments, CliRefuses, ::testing::ValuesIn(RefusedArguments()), RowName<BadArguments>);

TEST_F(CliTest, MissingInputIsReportedWithStatusOne)
{
    WriteFile(Path("out.vls"), "old");
    const ToolResult failed = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("out.vls"),
                               Argument("missing.txt")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("missing.txt"), std::string::npos) << failed.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
}

// A folder is no input: on Linux it opens and fails at the first read, after the result file was begun.
TEST_F(CliTest, ReadFailureMidwayLeavesTheOldOutput)
{
    fs::create_directory(Path("folder"));
    WriteFile(Path("out.vls"), "old");
    const ToolResult failed = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("out.vls"),
                               Argument("folder")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(ReadFile(Path("out.vls")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);  // no temporary left
}

TEST_F(CliTest, UnwritableOutputIsReportedWithStatusOne)
{
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("file"), "not a folder");
    const ToolResult failed = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                               Argument("file") + "/out.vls", Argument("in.txt")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("out.vls"), std::string::npos) << failed.err;
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
    const ToolResult shown = Run(GetParam().args);
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
    const std::string block = RandomText(1 << 20, 2);
    WriteFile(Path("small.txt"), block.substr(0, 1000));
    {
        std::ofstream big(Path("big.txt"), std::ios::binary);
        for (int i = 0; i < 48; ++i)
            big << block;
    }
    const ToolResult small = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("small.vls"),
                                  Argument("small.txt")});
    const ToolResult big = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("big.vls"),
                                Argument("big.txt")});
    ASSERT_EQ(small.status, 0) << small.err;
    ASSERT_EQ(big.status, 0) << big.err;
    EXPECT_GT(small.peakMemoryKiB, 0);
    // Under Wine the system's own libraries alone take some 30 MiB: what counts is what the input adds.
    EXPECT_LT(big.peakMemoryKiB - small.peakMemoryKiB, 4 * 1024) << small.peakMemoryKiB << " KiB for 1000 bytes";
#ifndef _WIN32
    EXPECT_LT(big.peakMemoryKiB, 16 * 1024);
#endif
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
    const ToolResult result = Run(args, Path("-x.txt"));
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

TEST_F(CliTest, ReplacesItsOwnInputInPlace)
{
    WriteFile(Path("f.txt"), "text");
    const ToolResult result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("f.txt"),
                               Argument("f.txt")});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(Path("f.txt")), ThroughCore("text", true, u"01234", u"abcde"));
}

// The input is a pipe that never ends: a tool that read its input before checking the output would
// never answer.
TEST_P(CliWrongOutput, IsReportedBeforeAnyInputIsRead)
{
    fs::create_directory(Path("dir"));
    fs::create_directory(Path("locked"));
    fs::create_directory(Path("open"));
    fs::permissions(Path("open"), fs::perms::all);
    WriteFile(Path("open/theirs.vls"), "old");
    WriteFile(Path("dir/old.vls"), "old");
    WriteFile(Path("file"), "a file");
    std::vector<std::string> args{test::ToolProgram(), "encrypt", "--rotors", "01234", "--key", "abcde", "-o",
                                  GetParam().output};
    if (GetParam().prepare)
        GetParam().prepare(dir_, args);
    if (IsSkipped())
        return;
    const std::set<std::string> before = Names(dir_);
    ToolProcess::Streams streams;
    streams.endlessInput = true;
    const ToolResult refused = ToolProcess(args, dir_, Captured(streams)).Wait(std::chrono::seconds(20));
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
                      WrongOutputCase{"FolderUnderAFile", "file/sub/out.vls", "часть пути - не папка"}),
    RowName<WrongOutputCase>);

struct ClosedStreamCase {
    const char* name;
    int closed;                     // the descriptor the tool starts without
    std::vector<std::string> args;  // after "encrypt --rotors 01234 --key abcde"
    int status;
    std::string reason;  // in the message, when standard error is open
    friend void PrintTo(const ClosedStreamCase& row, std::ostream* os) { *os << row.name; }
};

class CliClosedStream : public CliTest, public ::testing::WithParamInterface<ClosedStreamCase> {};

// A closed descriptor on POSIX; on Windows no handle at all, as a program started from the desktop has.

TEST_P(CliClosedStream, IsRefusedOnlyWhenNeededAndNothingIsTouched)
{
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("out.vls"), "old");
    std::vector<std::string> args{test::ToolProgram(), "encrypt", "--rotors", "01234", "--key", "abcde"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    ToolProcess::Streams streams;
    streams.input = Path("in.txt");
    streams.closed = {GetParam().closed};
    const ToolResult result = ToolProcess(args, dir_, Captured(streams)).Wait();
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

TEST_F(CliTest, ReplacesAnExistingOutput)
{
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("out.vls"), "an older and longer result");
    const ToolResult result =
        Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("out.vls"), Argument("in.txt")});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), ThroughCore("text", true, u"01234", u"abcde"));
    EXPECT_EQ(Names(dir_), (std::set<std::string>{"in.txt", "out.vls"}));
}

// Every byte value twice, so that Ctrl+Z (0x1A), which ends a text-mode file, stands in the middle.
TEST_F(CliTest, KeepsEveryByteValue)
{
    std::string bytes;
    for (int round = 0; round < 2; ++round)
        for (int value = 0; value < 256; ++value)
            bytes += static_cast<char>(value);
    WriteFile(Path("all.bin"), bytes);
    const ToolResult encrypted =
        Run({"encrypt", "--rotors", "98765", "--key", Key, "-o", Argument("all.vls"), Argument("all.bin")});
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    const std::string cipher = ReadFile(Path("all.vls"));
    EXPECT_EQ(cipher, ThroughCore(bytes, true, u"98765", u"Ключ1"));
    const ToolResult decrypted = Run({"decrypt", "--rotors", "98765", "--key", Key, Argument("all.vls")});
    ASSERT_EQ(decrypted.status, 0) << decrypted.err;
    // Each lone CR and LF (no CR stands before an LF here) becomes CR LF; every other byte comes back.
    std::string expected;
    for (const char c : bytes)
        expected += c == '\r' || c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(decrypted.out, expected);
}

// A letter with a Cyrillic name, key and result, in the folder the tool runs in.
TEST_F(CliTest, TakesCyrillicFileNames)
{
    const std::string plain = Windows1251::Encode(u"Привет, мир!\r\n");
    WriteFile(Path("Письмо.txt"), plain);
    const ToolResult encrypted = Run({"encrypt", "--rotors", "01234", "--key", Key, "-o", "Шифр.vls", "Письмо.txt"});
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    EXPECT_EQ(ReadFile(Path("Шифр.vls")), ThroughCore(plain, true, u"01234", u"Ключ1"));
    EXPECT_EQ(Names(dir_), (std::set<std::string>{"Письмо.txt", "Шифр.vls"}));
    const ToolResult decrypted =
        Run({"decrypt", "--rotors", "01234", "--key", Key, "-o", Argument("Ответ.txt"), Argument("Шифр.vls")});
    ASSERT_EQ(decrypted.status, 0) << decrypted.err;
    EXPECT_EQ(ReadFile(Path("Ответ.txt")), plain);
}

TEST_F(CliTest, NamesACyrillicFileInItsMessageAsUtf8)
{
    const ToolResult failed = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "Нет такого.txt"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("«Нет такого.txt»"), std::string::npos) << failed.err;
}

// A device named as the output is written into, not replaced by a file of its name.
TEST_F(CliTest, WritesIntoADevice)
{
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    WriteFile(Path("in.txt"), "text");
    const ToolResult result = Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", device, "in.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Names(dir_), std::set<std::string>{"in.txt"});
#ifndef _WIN32
    EXPECT_TRUE(fs::is_character_file(device));
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
    std::vector<std::string> args = {"trace", "--rotors", row.rotors, "--key", key, Argument("in.txt")};
    if (row.decrypt)
        args.insert(args.begin() + 1, "--decrypt");
    const ToolResult traced = Run(args);
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
    const ToolResult traced = Run({"trace", "--rotors", "01234", "--key", Key}, Path("in.txt"));
    ASSERT_EQ(traced.status, 0) << traced.err;
    EXPECT_EQ(traced.out.substr(0, traced.out.find('\n')), "0\tП\t129\tД\t109\t:\t77\tW\t30\tс");
    EXPECT_EQ(traced.out.substr(traced.out.rfind('\n', traced.out.size() - 2) + 1), "11\tU+0021\t-\n");
    EXPECT_EQ(std::count(traced.out.begin(), traced.out.end(), '\n'), 12);
}

}  // namespace
