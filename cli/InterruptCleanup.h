// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// On SIGINT, SIGTERM or SIGHUP removes the temporary file being written and exits with 128 + the signal.
// On Windows the same for Ctrl+C and Ctrl+Break (130, as SIGINT) and for a closed console window,
// logoff or shutdown (129, as SIGHUP).

#include <csignal>
#include <string>

namespace velista::cli {

class InterruptCleanup {
public:
    // Installs the handlers, except for a signal that was ignored when the tool started (as under nohup).
    InterruptCleanup();
    ~InterruptCleanup();  // puts the earlier handlers back

    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

    // Holds the three signals back while it lives, so that a file is made and watched, or put in place
    // and forgotten, as one step: a signal that comes meanwhile is handled after it.
    class Hold {
    public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
#ifndef _WIN32
        sigset_t previous_{};
#endif
    };

    // The file to remove on a signal; call both under a Hold.
    static void Watch(const std::string& path);
    static void Forget();

private:
#ifdef _WIN32
    bool installed_ = false;
#else
    struct sigaction previous_[3]{};
    bool installed_[3]{};
#endif
};

}  // namespace velista::cli
