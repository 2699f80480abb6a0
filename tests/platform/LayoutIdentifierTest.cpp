// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a keyboard layout identifier as the number of its leading decimal digits.

#include "platform/LayoutIdentifier.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <optional>

namespace velista::test {
namespace {

struct IdentifierRow {
    const char* name;
    const char* identifier;
    std::optional<std::int16_t> number;
    bool russian;
};

// Rows print as their name.
void PrintTo(const IdentifierRow& row, std::ostream* os) { *os << row.name; }

class LayoutIdentifierTest : public ::testing::TestWithParam<IdentifierRow> {};

TEST_P(LayoutIdentifierTest, ReadsLeadingDigits)
{
    const IdentifierRow& row = GetParam();
    EXPECT_EQ(ReadLayoutNumber(row.identifier), row.number);
    EXPECT_EQ(IsRussianLayout(row.identifier), row.russian);
}

INSTANTIATE_TEST_SUITE_P(
    Identifiers, LayoutIdentifierTest,
    ::testing::Values(IdentifierRow{"PlainRussian", "00000419", 419, true},
                      IdentifierRow{"RussianVariant", "00010419", 10419, false},
                      IdentifierRow{"UnitedStates", "00000409", 409, false},
                      IdentifierRow{"LetterAmongDigits", "0000041A", 41, false},
                      IdentifierRow{"LetterAfterRussian", "00000419A", 419, true},
                      IdentifierRow{"LettersFirst", "A0000419", std::nullopt, false},
                      IdentifierRow{"Empty", "", std::nullopt, false},
                      IdentifierRow{"LargestSigned16Bit", "32767", 32767, false},
                      IdentifierRow{"JustBeyondSigned16Bit", "32768", std::nullopt, false},
                      IdentifierRow{"FarBeyondSigned16Bit", "99999999", std::nullopt, false},
                      IdentifierRow{"RussianAfterManyZeros", "0000000000000000000000419", 419, true},
                      IdentifierRow{"ManyDigits", "4190000000000000000000000000", std::nullopt, false}),
    RowName<IdentifierRow>);

}  // namespace
}  // namespace velista::test
