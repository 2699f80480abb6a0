// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ToolProcess.h"

#include "tests/support/Utf8Path.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#ifdef _WIN32
#include <psapi.h>
#else
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace velista::test {

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path)
{
    if (path.empty())
        return {};
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#ifdef _WIN32

std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                                         nullptr, 0);
    if (size <= 0)
        throw std::invalid_argument("a Windows command line holds UTF-16 only, not these bytes: " + utf8);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

// One argument as the C runtime's parser takes it back: within quotes, backslashes count only before a
// quote, where each pair stands for one backslash and an odd one escapes the quote.
std::wstring Quoted(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');  // they stand before the closing quote
    return quoted + L"\"";
}

HANDLE Open(const fs::path& path, DWORD access, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE file = CreateFileW(path.empty() ? L"NUL" : path.c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + Utf8(path) + " for the program: error "
                                 + std::to_string(GetLastError()));
    return file;
}

#endif

}  // namespace

#ifdef _WIN32

ToolProcess::ToolProcess(std::vector<std::string> arguments, const fs::path& folder, Streams streams)
    : streams_(std::move(streams))
{
    std::wstring commandLine;
    for (const auto& argument : arguments)
        commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(Wide(argument));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    if (streams_.endlessInput) {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        if (!CreatePipe(&startup.hStdInput, &inputWriter_, &inherited, 0))
            throw std::runtime_error("cannot make a pipe");
        SetHandleInformation(inputWriter_, HANDLE_FLAG_INHERIT, 0);
    } else {
        startup.hStdInput = Open(streams_.input, GENERIC_READ, OPEN_EXISTING);
    }
    startup.hStdOutput = Open(streams_.output, streams_.appendOutput ? FILE_APPEND_DATA : GENERIC_WRITE,
                              streams_.appendOutput ? OPEN_ALWAYS : CREATE_ALWAYS);
    startup.hStdError = Open(streams_.error, GENERIC_WRITE, CREATE_ALWAYS);
    // A program started from the desktop has no standard streams at all.
    for (const int descriptor : streams_.closed) {
        HANDLE& handle = descriptor == 0 ? startup.hStdInput : descriptor == 1 ? startup.hStdOutput : startup.hStdError;
        CloseHandle(handle);
        handle = nullptr;
    }
    PROCESS_INFORMATION started{};
    const bool ok = CreateProcessW(Wide(arguments.at(0)).c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                   nullptr, folder.c_str(), &startup, &started);
    const DWORD error = GetLastError();
    for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        if (handle)
            CloseHandle(handle);
    if (!ok) {
        if (inputWriter_)
            CloseHandle(inputWriter_);
        throw std::runtime_error("cannot start " + arguments.at(0) + ": error " + std::to_string(error));
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    running_ = true;
}

ToolProcess::~ToolProcess()
{
    if (running_) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
    }
    if (process_)
        CloseHandle(process_);
    if (inputWriter_)
        CloseHandle(inputWriter_);
}

ToolResult ToolProcess::Wait(std::chrono::milliseconds limit)
{
    ToolResult result;
    // Wine tells an ended process's memory as nothing, so the peak is also taken while it runs.
    SIZE_T peak = 0;
    const auto sample = [&] {
        PROCESS_MEMORY_COUNTERS memory{};
        if (GetProcessMemoryInfo(process_, &memory, sizeof memory))
            peak = std::max(peak, memory.PeakWorkingSetSize);
    };
    const auto deadline = std::chrono::steady_clock::now() + limit;
    DWORD waited = WAIT_TIMEOUT;
    while (waited == WAIT_TIMEOUT && std::chrono::steady_clock::now() < deadline) {
        sample();
        waited = WaitForSingleObject(process_, 5);
    }
    sample();
    if (waited == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
        result.status = -2;
    } else {
        DWORD status = 0;
        GetExitCodeProcess(process_, &status);
        result.status = static_cast<int>(status);
    }
    running_ = false;
    result.peakMemoryKiB = static_cast<long>(peak / 1024);
    if (inputWriter_) {
        CloseHandle(inputWriter_);
        inputWriter_ = nullptr;
    }
    result.out = Contents(streams_.output);
    result.err = Contents(streams_.error);
    return result;
}

#else

ToolProcess::ToolProcess(std::vector<std::string> arguments, const fs::path& folder, Streams streams)
    : streams_(std::move(streams))
{
    std::vector<char*> argv;
    for (auto& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto orNull = [](const fs::path& path) { return path.empty() ? "/dev/null" : path.c_str(); };
    int pipe[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (streams_.endlessInput) {
        if (pipe2(pipe, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make a pipe");
        posix_spawn_file_actions_adddup2(&actions, pipe[0], 0);
    } else {
        posix_spawn_file_actions_addopen(&actions, 0, orNull(streams_.input), O_RDONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, 1, orNull(streams_.output),
                                     O_WRONLY | O_CREAT | (streams_.appendOutput ? O_APPEND : O_TRUNC), 0644);
    posix_spawn_file_actions_addopen(&actions, 2, orNull(streams_.error), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (const int fd : streams_.closed)
        posix_spawn_file_actions_addclose(&actions, fd);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    // The signals at their defaults, whatever the test runner ignores or blocks.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    const int error = posix_spawn(&pid_, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (pipe[0] >= 0)
        close(pipe[0]);
    inputWriter_ = pipe[1];
    if (error != 0) {
        if (inputWriter_ >= 0)
            close(inputWriter_);
        throw std::runtime_error("cannot start " + arguments.at(0) + ": error " + std::to_string(error));
    }
    running_ = true;
}

ToolProcess::~ToolProcess()
{
    if (running_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (inputWriter_ >= 0)
        close(inputWriter_);
}

ToolResult ToolProcess::Wait(std::chrono::milliseconds limit)
{
    ToolResult result;
    int status = 0;
    rusage usage{};
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (wait4(pid_, &status, WNOHANG, &usage) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid_, SIGKILL);
            wait4(pid_, &status, 0, &usage);
            result.status = -2;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    running_ = false;
    if (result.status != -2)
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.peakMemoryKiB = usage.ru_maxrss;
    if (inputWriter_ >= 0) {
        close(inputWriter_);
        inputWriter_ = -1;
    }
    result.out = Contents(streams_.output);
    result.err = Contents(streams_.error);
    return result;
}

#endif

}  // namespace velista::test
