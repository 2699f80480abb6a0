// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a program started by ToolProcess left: its exit status, its captured streams and its peak memory.

#include <string>

namespace velista::test {

struct ToolResult {
    int status = -1;  // the exit status; -1 when ended by a signal, -2 when killed for running too long
    std::string out;
    std::string err;
    long peakMemoryKiB = 0;
};

}  // namespace velista::test
