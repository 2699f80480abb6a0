// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attack's worker threads for one stage: the stage's work on every thread, and the progress report called on
// the attack's own thread every interval until all have ended.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace velista::analysis {

class AttackWorkers {
public:
    // threads must be at least 1; report may be empty.
    AttackWorkers(unsigned threads, std::chrono::milliseconds interval, std::function<void()> report)
        : threads_(threads)
        , interval_(interval)
        , report_(std::move(report))
    {
    }

    unsigned Threads() const { return threads_; }

    // Calls work(t) on worker t for every t below Threads(), and returns once all have returned.
    template <typename Work>
    void Run(Work work) const
    {
        std::mutex mutex;
        std::condition_variable ended;
        unsigned running = threads_;
        std::vector<std::jthread> workers;
        for (unsigned t = 0; t < threads_; ++t) {
            workers.emplace_back([&, t] {
                work(t);
                const std::lock_guard lock(mutex);
                --running;
                ended.notify_one();
            });
        }
        std::unique_lock lock(mutex);
        while (!ended.wait_for(lock, interval_, [&] { return running == 0; })) {
            lock.unlock();
            if (report_)
                report_();
            lock.lock();
        }
    }

private:
    unsigned threads_;
    std::chrono::milliseconds interval_;
    std::function<void()> report_;
};

}  // namespace velista::analysis
