// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the tool's command line into a job, or says why it cannot.

#include "cli/AttackJob.h"
#include "cli/BatchJob.h"

#include <string>
#include <variant>
#include <vector>

namespace velista::cli {

// What to print and the exit status, when the command line asks for help, the version, or is wrong.
struct EarlyExit {
    int status = 0;
    std::string text;  // to standard output when status is 0, else to standard error
};

inline constexpr int UsageError = 2;

// encrypt, decrypt and trace give a BatchJob, attack an AttackJob: one parser, one set of labels and one help
// formatter for all four commands.
// Help and refusals are in the catalogue's language.
class ToolCatalogue;
std::variant<BatchJob, AttackJob, EarlyExit> ParseCommandLine(int argc, char** argv, const ToolCatalogue& catalogue);

// The arguments from argv[first] on, split at the first "--": everything after it is a file name, even
// one that begins with "-". CLI11 keeps a "--" given to a command among its extra arguments.
struct SplitArguments {
    std::vector<std::string> words;     // before "--"
    std::vector<std::string> operands;  // after it
    bool dashes = false;                // "--" was given
};
SplitArguments SplitAtDashes(int argc, char** argv, int first);

class StandardStreams;
// Prints help, the version or the refusal and gives the exit status; help to a closed standard output
// is refused.
int ReportEarlyExit(const EarlyExit& early, const StandardStreams& streams, const ToolCatalogue& catalogue);

}  // namespace velista::cli
