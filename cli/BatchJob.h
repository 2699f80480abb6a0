// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the command-line tool: which way, with which rotors and key, from where to where.

#include <string>

namespace velista::cli {

enum class Direction { Encrypt, Decrypt };

struct BatchJob {
    Direction direction = Direction::Encrypt;
    std::u16string rotors;  // five digits
    std::u16string key;     // five alphabet symbols
    std::string input;      // "-" for standard input
    std::string output;     // "-" for standard output
    bool trace = false;     // print each position's path through the bank rather than the result
};

}  // namespace velista::cli
