// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts a program in a folder with its standard streams on files or a pipe, and waits for it with a time limit.

#include "tests/support/ToolResult.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/types.h>
#endif

namespace velista::test {

class ToolProcess {
public:
    struct Streams {
        std::filesystem::path input;   // empty: the null device
        bool endlessInput = false;     // a pipe that stays open, unwritten, until the wait ends
        std::filesystem::path output;  // empty: the null device
        bool appendOutput = false;     // added to what the file holds, as a shell's >> does
        std::filesystem::path error;   // empty: the null device
        std::vector<int> closed;       // standard streams (0, 1, 2) the program starts without
    };

    // The first argument is the program's path; all are UTF-8.
    ToolProcess(std::vector<std::string> arguments, const std::filesystem::path& folder, Streams streams);
    ~ToolProcess();

    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    // Still running after the limit, the program is killed and reported with status -2.
    ToolResult Wait(std::chrono::milliseconds limit = std::chrono::seconds(120));

#ifndef _WIN32
    pid_t Id() const { return pid_; }
#endif

private:
    Streams streams_;
    bool running_ = false;
#ifdef _WIN32
    HANDLE process_ = nullptr;
    HANDLE inputWriter_ = nullptr;
#else
    pid_t pid_ = -1;
    int inputWriter_ = -1;
#endif
};

}  // namespace velista::test
