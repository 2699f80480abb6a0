// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows a console's Ctrl+C or Ctrl+Break, or its closing, is handled on a thread of its own that
// the system starts, rather than by interrupting the main thread. The handler and a Hold share a
// lock, so a file is still made and watched, or put in place and forgotten, as one step.
#include "cli/InterruptCleanup.h"

#include "cli/WindowsText.h"

#include <windows.h>

namespace velista::cli {

namespace {

// The handler reaches only static storage, so the watched name lives here rather than in an object.
CRITICAL_SECTION lock;
INIT_ONCE lockMade = INIT_ONCE_STATIC_INIT;
std::wstring watchedPath;
bool watching = false;

BOOL CALLBACK MakeLock(PINIT_ONCE, PVOID, PVOID*)
{
    InitializeCriticalSection(&lock);
    return TRUE;
}

CRITICAL_SECTION& Lock()
{
    InitOnceExecuteOnce(&lockMade, MakeLock, nullptr, nullptr);
    return lock;
}

BOOL WINAPI RemoveAndExit(DWORD event)
{
    EnterCriticalSection(&Lock());
    if (watching)
        DeleteFileW(watchedPath.c_str());
    // 128 + SIGINT for an interruption, 128 + SIGHUP for a console that goes away.
    const UINT status = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? 130 : 129;
    ExitProcess(status);
}

}  // namespace

InterruptCleanup::InterruptCleanup()
{
    Lock();
    installed_ = SetConsoleCtrlHandler(RemoveAndExit, TRUE) != 0;
}

InterruptCleanup::~InterruptCleanup()
{
    if (installed_)
        SetConsoleCtrlHandler(RemoveAndExit, FALSE);
}

InterruptCleanup::Hold::Hold()
{
    EnterCriticalSection(&Lock());
}

InterruptCleanup::Hold::~Hold()
{
    LeaveCriticalSection(&Lock());
}

void InterruptCleanup::Watch(const std::string& path)
{
    watchedPath = WideFromUtf8(path);
    watching = true;
}

void InterruptCleanup::Forget()
{
    watching = false;
}

}  // namespace velista::cli
