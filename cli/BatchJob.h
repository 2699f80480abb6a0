// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the command-line tool: which way, with which rotors and key, from where to where.

#include "machine/MachineKey.h"
#include "machine/RotorChoice.h"

#include <string>

namespace velista::cli {

enum class Direction { Encrypt, Decrypt };

// Made whole by the command line, as the rotors and the key can only be made from checked text.
struct BatchJob {
    Direction direction = Direction::Encrypt;
    RotorChoice rotors;
    MachineKey key;
    std::string input;      // "-" for standard input
    std::string output;     // "-" for standard output
    bool trace = false;     // print each position's path through the bank rather than the result
};

}  // namespace velista::cli
