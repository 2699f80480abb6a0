// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/PositionScan.h"

#include "analysis/FragmentFilter.h"

#include <algorithm>

namespace velista::analysis {

PositionScan::PositionScan(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment)
    : tables_(tables)
    , ciphertext_(ciphertext)
    , fragment_(fragment)
    , chunkSize_(std::max(Chunk, fragment.size()))
{
}

void PositionScan::CountFitting(std::size_t from, std::size_t to, const std::atomic<bool>& cancelled)
{
    const FragmentFilter filter(tables_, ciphertext_, fragment_);
    std::vector<std::size_t> fitting;
    for (std::size_t at = from; at < to && !cancelled.load(); at += chunkSize_) {
        fitting.clear();
        filter.FittingPositions(at, std::min(to, at + chunkSize_), fitting);
        tried_ += fitting.size();
    }
}

std::vector<PositionScan::Candidate> PositionScan::Candidates(std::size_t from, std::size_t to,
                                                              const AttackWorkers& workers,
                                                              const std::atomic<bool>& cancelled,
                                                              std::atomic<std::size_t>& scanned,
                                                              std::atomic<std::uint64_t>& examined)
{
    std::vector<std::vector<Candidate>> found(workers.Threads());
    std::atomic<std::size_t> nextChunk{0};
    std::atomic<std::uint64_t> tried{0};
    workers.Run([&](unsigned t) {
        FragmentFilter filter(tables_, ciphertext_, fragment_);
        std::vector<std::size_t> fitting;
        std::uint64_t triedHere = 0;
        for (std::size_t chunk = nextChunk++; from + chunk * chunkSize_ < to && !cancelled.load();
             chunk = nextChunk++) {
            const std::size_t chunkFrom = from + chunk * chunkSize_;
            const std::size_t chunkTo = std::min(to, chunkFrom + chunkSize_);
            fitting.clear();
            filter.FittingPositions(chunkFrom, chunkTo, fitting);
            triedHere += fitting.size();
            // The slot-1 test costs up to 2,700 steps a position: cancellation is looked at every 256.
            for (std::size_t n = 0; n < fitting.size(); ++n) {
                if (n % 256 == 255 && cancelled.load(std::memory_order_relaxed))
                    break;
                const unsigned rotors = filter.RotorsFitting(fitting[n]);
                for (int r = 0; r < RotorCount; ++r) {
                    if (rotors & (1u << r))
                        found[t].push_back({fitting[n], r});
                }
            }
            scanned += chunkTo - chunkFrom;
            examined += static_cast<std::uint64_t>(chunkTo - chunkFrom) * RotorCount;
        }
        tried += triedHere;
    });
    tried_ += tried.load();
    std::vector<Candidate> candidates;
    for (auto& list : found) {
        candidates.insert(candidates.end(), list.begin(), list.end());
        list = {};
    }
    return candidates;
}

}  // namespace velista::analysis
