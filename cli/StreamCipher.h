// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a job over a file of any size: the input is read piece by piece, its line breaks become CR LF,
// and each piece is enciphered or deciphered and written before the next is read.

#include "cli/BatchJob.h"

#include <cstddef>

namespace velista::cli {

class StreamCipher {
public:
    static constexpr std::size_t PieceSize = std::size_t{1} << 16;

    // Throws BatchError when the input cannot be read or the output cannot be written; an existing
    // output file is then left as it was.
    static void Run(const BatchJob& job);
};

}  // namespace velista::cli
