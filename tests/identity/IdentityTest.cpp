// SPDX-License-Identifier: GPL-3.0-or-later
// The title, version and desktop id that the build writes once: the packaging files that must repeat them
// as text agree with it, and both programs print it on --version.

#include "VelistaIdentity.h"
#include "tests/support/BuildPaths.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace velista::test {

const std::string Title = identity::Title;
const std::string Version = identity::Version;
const std::string ApplicationId = identity::ApplicationId;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A packaging file, the one part of it that repeats the identity (the first group), and what it must say.
struct CopyRow {
    const char* name;
    const char* file;
    const char* pattern;
    std::string expected;
};

class IdentityCopyTest : public ::testing::TestWithParam<CopyRow> {};

TEST_P(IdentityCopyTest, AgreesWithTheBuild)
{
    const CopyRow& row = GetParam();
    const std::string text = ReadFile(std::string(test::PackagingFolder()) + "/" + row.file);
    ASSERT_FALSE(text.empty()) << row.file;
    std::smatch found;
    ASSERT_TRUE(std::regex_search(text, found, std::regex(row.pattern))) << row.file << ": " << row.pattern;
    EXPECT_EQ(found[1].str(), row.expected) << row.file;
}

INSTANTIATE_TEST_SUITE_P(
    Packaging, IdentityCopyTest,
    ::testing::Values(
        CopyRow{"MetainfoId", "io.github.velista.Velista.metainfo.xml", "<id>([^<]*)</id>", ApplicationId},
        CopyRow{"MetainfoRussianName", "io.github.velista.Velista.metainfo.xml",
                "<name xml:lang=\"ru\">([^<]*)</name>", Title},
        CopyRow{"MetainfoNewestRelease", "io.github.velista.Velista.metainfo.xml",
                "<release version=\"([^\"]*)\"", Version},
        CopyRow{"DesktopRussianName", "io.github.velista.Velista.desktop", "\nName\\[ru\\]=([^\n]*)", Title},
        CopyRow{"DesktopIcon", "io.github.velista.Velista.desktop", "\nIcon=([^\n]*)", ApplicationId},
        CopyRow{"ManualVersion", "man/velista.1", "^\\.TH VELISTA 1 \"[^\"]*\" \"Velista ([^\"]*)\"", Version},
        CopyRow{"CliManualVersion", "man/velista-cli.1", "^\\.TH VELISTA-CLI 1 \"[^\"]*\" \"Velista ([^\"]*)\"",
                Version},
        CopyRow{"RussianManual", "man/ru/velista.1", "^\\.TH VELISTA 1 \"[^\"]*\" \"([^\"]*)\"",
                Title + " " + Version},
        CopyRow{"RussianCliManual", "man/ru/velista-cli.1", "^\\.TH VELISTA-CLI 1 \"[^\"]*\" \"([^\"]*)\"",
                Title + " " + Version}),
    RowName<CopyRow>);

// A built program, and the name its --version starts with.
struct VersionRow {
    const char* name;
    const char* program;
    const char* printedName;
};

class VersionOutputTest : public ::testing::TestWithParam<VersionRow> {};

// The whole output: the version line, then the licence, unmangled (the window program converts to the
// locale's encoding, so it runs under a UTF-8 locale here).
TEST_P(VersionOutputTest, PrintsTheVersionAndTheLicence)
{
    const VersionRow& row = GetParam();
#ifdef _WIN32
    // Windows prints UTF-8 whatever the locale; cmd.exe takes double quotes.
    const std::string command = std::string("\"") + row.program + "\" --version";
#else
    const std::string command = std::string("LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen '") + row.program + "' --version";
#endif
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 4096> buffer{};
    for (std::size_t read; (read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        output.append(buffer.data(), read);
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(output, std::string(row.printedName) + " " + Version + "\n" + identity::Licence);
}

INSTANTIATE_TEST_SUITE_P(Programs, VersionOutputTest,
                         ::testing::Values(VersionRow{"Window", test::WindowProgram(), "velista"},
                                           VersionRow{"Tool", test::ToolProgram(), "velista-cli"}),
                         RowName<VersionRow>);

}  // namespace velista::test
