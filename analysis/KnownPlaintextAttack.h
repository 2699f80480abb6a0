// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The known-plaintext attack: every setting (rotors, key class, position) that turns a fragment of plain text
// into the ciphertext, searched on every core, with progress reports and cancellation.

#include "analysis/AttackProgress.h"
#include "analysis/AttackResult.h"
#include "analysis/RotorTables.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string_view>

namespace velista::analysis {

class KnownPlaintextAttack {
public:
    using ProgressCallback = std::function<void(const AttackProgress&)>;

    explicit KnownPlaintextAttack(const RotorTables& tables);

    // Worker threads; 0 (the default) means one per core.
    void SetThreads(unsigned threads) { threads_ = threads; }
    // Called on the thread that runs the attack, about every interval while it runs and once at its end.
    void SetProgressCallback(ProgressCallback callback,
                             std::chrono::milliseconds interval = std::chrono::milliseconds(50));
    // Settings kept in the result; the rest are only counted.
    void SetKeep(std::size_t keep) { keep_ = keep; }

    // Searches the ciphertext for the fragment at position (counted from 0), or at every position when there is
    // none. The run ends early, flagged cancelled, once stop is requested or Cancel is called: every stage looks
    // at that at least every few milliseconds of work, whatever the fragment (AttackRequest refuses a fragment
    // too short to be worth a search; this searches whatever it is given).
    AttackResult Run(std::u16string_view ciphertext, std::u16string_view fragment,
                     std::optional<std::size_t> position, std::stop_token stop = {});

    // Safe from any thread, the progress callback included; the next run starts afresh.
    void Cancel() { cancelled_.store(true); }

private:
    const RotorTables& tables_;
    unsigned threads_ = 0;
    ProgressCallback progress_;
    std::chrono::milliseconds interval_{50};
    std::size_t keep_ = 1000;
    std::atomic<bool> cancelled_{false};
};

}  // namespace velista::analysis
