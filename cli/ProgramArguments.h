// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's arguments as UTF-8, whatever the system. Windows hands main() its arguments in the
// ANSI code page, where a Cyrillic key or file name outside that page arrives as "?"; they are read
// again from the UTF-16 command line instead.

#include <string>
#include <vector>

namespace velista::cli {

class ProgramArguments {
public:
    ProgramArguments(int argc, char** argv);

    ProgramArguments(const ProgramArguments&) = delete;
    ProgramArguments& operator=(const ProgramArguments&) = delete;

    int Count() const { return static_cast<int>(words_.size()); }
    char** Values() { return pointers_.data(); }

private:
    std::vector<std::string> words_;
    std::vector<char*> pointers_;  // into words_, then a null, as main() receives them
};

}  // namespace velista::cli
