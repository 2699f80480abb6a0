// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InterruptCleanup.h"

#include "machine/Checked.h"

#include <climits>
#include <cstring>
#include <unistd.h>

namespace velista::cli {

namespace {

constexpr int Signals[3] = {SIGINT, SIGTERM, SIGHUP};

// A signal handler reaches only static storage, so the watched name lives here rather than in an object.
char watchedPath[PATH_MAX + 1];
volatile sig_atomic_t watching = 0;

// unlink and _exit are async-signal-safe; nothing else is called.
extern "C" void RemoveAndExit(int signal)
{
    if (watching)
        unlink(watchedPath);
    _exit(128 + signal);
}

sigset_t HeldSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : Signals)
        sigaddset(&set, signal);
    return set;
}

}  // namespace

InterruptCleanup::InterruptCleanup()
{
    struct sigaction action {};
    action.sa_handler = RemoveAndExit;
    action.sa_mask = HeldSignals();
    for (std::size_t i = 0; i < 3; ++i) {
        sigaction(Signals[i], nullptr, &previous_[i]);
        if (previous_[i].sa_handler == SIG_IGN)
            continue;
        installed_[i] = sigaction(Signals[i], &action, nullptr) == 0;
    }
}

InterruptCleanup::~InterruptCleanup()
{
    for (std::size_t i = 0; i < 3; ++i) {
        if (installed_[i])
            sigaction(Signals[i], &previous_[i], nullptr);
    }
}

InterruptCleanup::Hold::Hold()
{
    const sigset_t held = HeldSignals();
    sigprocmask(SIG_BLOCK, &held, &previous_);
}

InterruptCleanup::Hold::~Hold()
{
    sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

void InterruptCleanup::Watch(const std::string& path)
{
    if (path.size() > PATH_MAX)
        ProgrammingError("a temporary file's name is longer than PATH_MAX");
    std::memcpy(watchedPath, path.c_str(), path.size() + 1);
    watching = 1;
}

void InterruptCleanup::Forget()
{
    watching = 0;
}

}  // namespace velista::cli
