// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExitDeadline.h"

#include <cstdio>
#include <cstdlib>

namespace velista {

ExitDeadline::ExitDeadline(std::chrono::milliseconds limit)
    : limit_(limit)
{
}

ExitDeadline::~ExitDeadline()
{
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_all();
    if (watch_.joinable())
        watch_.join();
}

void ExitDeadline::Start(int status)
{
    if (watch_.joinable())
        return;
    watch_ = std::thread([this, status] {
        std::unique_lock lock(mutex_);
        if (finished_.wait_for(lock, limit_, [this] { return done_; }))
            return;
        // Nothing is left to save: the windows have closed and every save was written when it was asked
        // for. The threads still running are stopped with the process.
        std::fflush(nullptr);
        std::_Exit(status);
    });
}

}  // namespace velista
