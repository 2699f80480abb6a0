// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attack's first stage: the positions of a range where the fragment's characters outside the alphabet fit,
// and the slot-1 rotors that pass FragmentFilter's test there, scanned in chunks on every worker.

#include "analysis/AttackWorkers.h"
#include "analysis/RotorTables.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velista::analysis {

class PositionScan {
public:
    struct Candidate {
        std::size_t position;
        int rotor1;
        bool operator==(const Candidate&) const = default;
    };

    PositionScan(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment);

    // Every position from from to to - 1 and slot-1 rotor that pass, ascending within each worker's chunks. Adds
    // the positions scanned to scanned as it goes, the settings they cover to examined, and returns early once
    // cancelled is set.
    std::vector<Candidate> Candidates(std::size_t from, std::size_t to, const AttackWorkers& workers,
                                      const std::atomic<bool>& cancelled, std::atomic<std::size_t>& scanned,
                                      std::atomic<std::uint64_t>& examined);
    // Positions where the pattern fits, of those scanned by Candidates or CountFitting since this scan was made.
    std::uint64_t PositionsTried() const { return tried_; }
    // Counts the positions from from to to - 1 where the pattern fits, without the slot-1 test: for a fragment
    // with no alphabet symbol, which every setting fits.
    void CountFitting(std::size_t from, std::size_t to, const std::atomic<bool>& cancelled);

private:
    static constexpr std::size_t Chunk = 4096;

    const RotorTables& tables_;
    std::u16string_view ciphertext_, fragment_;
    // Positions a chunk covers: the pattern search reads the fragment's length beyond its chunk, so a chunk is
    // never shorter than the fragment.
    std::size_t chunkSize_;
    std::uint64_t tried_ = 0;
};

}  // namespace velista::analysis
