// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built velista-cli where Windows itself is the subject: file attributes, and outputs that
// Windows refuses to write.

#include "tests/cli/CliTest.h"
#include "tests/cli/CliWrongOutput.h"

#include "tests/support/RowName.h"

#include <windows.h>

namespace {

namespace fs = std::filesystem;
using namespace velista;
using namespace velista::test;

bool AddAttribute(const fs::path& path, DWORD attribute)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && SetFileAttributesW(path.c_str(), attributes | attribute);
}

void ReadOnly(const fs::path& folder, std::vector<std::string>&)
{
    ASSERT_TRUE(AddAttribute(folder / "open" / "theirs.vls", FILE_ATTRIBUTE_READONLY));
}

// A read-only file is kept byte for byte, and no temporary file is left beside it. Windows' own
// separator is the backslash.
INSTANTIATE_TEST_SUITE_P(
    WindowsOutputs, CliWrongOutput,
    ::testing::Values(WrongOutputCase{"ReadOnlyFile", "open/theirs.vls", "нет доступа", ReadOnly},
                      WrongOutputCase{"FolderWithBackslash", "dir\\", "это папка, а нужен файл"},
                      WrongOutputCase{"MissingFolderBeforeBackslash", "nosuch\\out.vls", "нет папки «nosuch»"},
                      WrongOutputCase{"FileAsFolderBeforeBackslash", "file\\out.vls", "«file» - не папка"}),
    RowName<WrongOutputCase>);

struct KeptAttributeCase {
    const char* name;
    DWORD attribute;
    friend void PrintTo(const KeptAttributeCase& row, std::ostream* os) { *os << row.name; }
};

class CliReplacedAttributes : public CliTest, public ::testing::WithParamInterface<KeptAttributeCase> {};

// The result takes the old file's place as that file: what a user set on it stays.
TEST_P(CliReplacedAttributes, StayOnTheReplacedFile)
{
    WriteFile(Path("in.txt"), "text");
    WriteFile(Path("out.vls"), "old");
    ASSERT_TRUE(AddAttribute(Path("out.vls"), GetParam().attribute));
    const ToolResult result =
        Run({"encrypt", "--rotors", "01234", "--key", "abcde", "-o", Argument("out.vls"), Argument("in.txt")});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(Path("out.vls")), ThroughCore("text", true, u"01234", u"abcde"));
    const DWORD attributes = GetFileAttributesW(Path("out.vls").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & GetParam().attribute) << std::hex << attributes;
    EXPECT_EQ(Names(dir_), (std::set<std::string>{"in.txt", "out.vls"}));
}

INSTANTIATE_TEST_SUITE_P(Attributes, CliReplacedAttributes,
                         ::testing::Values(KeptAttributeCase{"Hidden", FILE_ATTRIBUTE_HIDDEN},
                                           KeptAttributeCase{"System", FILE_ATTRIBUTE_SYSTEM}),
                         RowName<KeptAttributeCase>);

}  // namespace
