// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// velista-cli trace: the path of every position of the input through the bank, one line a position.
//
// Each line is UTF-8, ends in LF, and holds tab-separated fields. An alphabet symbol gives its position,
// the symbol, and for each of the four hops the position it leaves its slot at and the symbol it reaches:
// enciphering, P1 S2 P2 S3 P3 S4 P4 S5 (S5 the ciphertext symbol); deciphering, P5 S4 P4 S3 P3 S2 P2 S1.
// Any other character gives its position, U+ and its code in at least four upper-case hex digits, and "-".
// The bank steps after every position, as in a run.

#include "cli/BatchJob.h"

#include "machine/SymbolPath.h"

#include <cstdint>
#include <string>

namespace velista::cli {

class PathTrace {
public:
    // Throws BatchError when the input cannot be read or the output cannot be written.
    static void Run(const BatchJob& job);

    // Appends the line of one position; inAlphabet false for a character the machine passes unchanged.
    static void AppendLine(std::string& out, std::uint64_t position, char16_t character, bool inAlphabet,
                           const SymbolPath& path);
};

}  // namespace velista::cli
