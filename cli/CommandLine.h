// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the tool's command line into a job, or says why it cannot.

#include "BatchJob.h"

#include <string>
#include <variant>

namespace velista::cli {

// What to print and the exit status, when the command line asks for help, the version, or is wrong.
struct EarlyExit {
    int status = 0;
    std::string text;  // to standard output when status is 0, else to standard error
};

inline constexpr int UsageError = 2;

std::variant<BatchJob, EarlyExit> ParseCommandLine(int argc, char** argv);

}  // namespace velista::cli
