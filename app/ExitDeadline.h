// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Once the event loop has ended, the program ends within a fixed time whatever its teardown waits for
// (a search thread that looks at its cancel flag too rarely): the user asked to leave.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace velista {

class ExitDeadline {
public:
    explicit ExitDeadline(std::chrono::milliseconds limit);
    // A teardown that got here in time ends as usual.
    ~ExitDeadline();
    ExitDeadline(const ExitDeadline&) = delete;
    ExitDeadline& operator=(const ExitDeadline&) = delete;

    // From now on the process ends with status at the latest when the limit has passed.
    void Start(int status);

private:
    std::chrono::milliseconds limit_;
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watch_;
};

}  // namespace velista
