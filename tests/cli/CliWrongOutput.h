// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The suite of outputs the tool must refuse before it reads any input; each system adds rows of its own.

#include "tests/cli/CliTest.h"

#include <ostream>

namespace velista::test {

struct WrongOutputCase {
    const char* name;
    std::string output;  // relative to the test's folder
    std::string reason;  // what the message must say
    // Makes what the row needs in the test's folder, and may put a program before the tool's arguments.
    void (*prepare)(const std::filesystem::path& folder, std::vector<std::string>& arguments) = nullptr;
    friend void PrintTo(const WrongOutputCase& row, std::ostream* os) { *os << row.name; }
};

class CliWrongOutput : public CliTest, public ::testing::WithParamInterface<WrongOutputCase> {};

}  // namespace velista::test
