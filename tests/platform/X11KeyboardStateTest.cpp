// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows identifier given to an XKB layout: only the plain Russian layout reads as Russian.

#include "platform/LayoutIdentifier.h"
#include "platform/X11KeyboardState.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

namespace velista::test {
namespace {

struct XkbRow {
    const char* name;
    const char* layout;
    const char* variant;
    bool russian;
};

// Rows print as their name.
void PrintTo(const XkbRow& row, std::ostream* os) { *os << row.name; }

class XkbLayoutTest : public ::testing::TestWithParam<XkbRow> {};

TEST_P(XkbLayoutTest, OnlyPlainRussianIsRussian)
{
    const XkbRow& row = GetParam();
    const std::string identifier = X11KeyboardState::IdentifierOf(row.layout, row.variant);
    EXPECT_EQ(identifier.size(), 8u) << identifier;
    EXPECT_EQ(IsRussianLayout(identifier), row.russian) << identifier;
}

INSTANTIATE_TEST_SUITE_P(Layouts, XkbLayoutTest,
                         ::testing::Values(XkbRow{"RussianWithoutVariant", "ru", "", true},
                                           XkbRow{"RussianPhonetic", "ru", "phonetic", false},
                                           XkbRow{"RussianTypewriter", "ru", "typewriter", false},
                                           XkbRow{"UnitedStates", "us", "", false},
                                           XkbRow{"Ukrainian", "ua", "", false},
                                           XkbRow{"UnknownLayout", "xx", "", false},
                                           XkbRow{"NoLayout", "", "", false}),
                         RowName<XkbRow>);

}  // namespace
}  // namespace velista::test
