// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// velista-cli attack: the rotors and key that turn a known fragment of plain text into the ciphertext.

#include "cli/AttackJob.h"
#include "cli/CommandLine.h"

#include <cstdio>
#include <string>

namespace velista::cli {

class StandardStreams;
class ToolCatalogue;

class AttackCommand {
public:
    static constexpr int NothingFits = 3;

    // Runs the job that ParseCommandLine read: 0 with settings found, 3 when none fits, 1 or 2 as the other
    // commands.
    static int Main(const AttackJob& job, const StandardStreams& streams, const ToolCatalogue& catalogue);
    // Prints one line ROTORS<TAB>KEY per distinct setting on out and a summary on err, with the search's progress
    // when showProgress; returns 0 or NothingFits, or UsageError for a fragment refused before searching. Throws
    // BatchError when a file cannot be read or is too long.
    static int Run(const AttackJob& job, std::FILE* out, std::FILE* err, const ToolCatalogue& catalogue,
                   bool showProgress = false);
};

}  // namespace velista::cli
