// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings an attack's workers find, gathered from every thread: each setting (rotors and key class) once,
// with the positions where it fits, the distinct settings and the fits counted.

#include "analysis/AttackSetting.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace velista::analysis {

class FoundSettings {
public:
    // Positions listed per setting: the first ones, the rest only counted.
    static constexpr std::size_t PositionsKept = 100;
    // Distinct settings told apart beyond the kept ones. A fragment short enough to fit millions of settings
    // (refused by AttackRequest, but the attack may still be called with one) would otherwise grow without bound:
    // past this many, each further fit of a setting not kept counts as a new setting, so found is then an upper
    // bound. The set is made this size at once: growing a set of a million held the search for a cancel 0.6 s.
    static constexpr std::size_t DistinctTold = std::size_t{1} << 16;

    // Keeps at most keep settings; the rest are counted.
    explicit FoundSettings(std::size_t keep);

    // The setting fits at setting.position. Safe from any thread.
    void Add(const AttackSetting& setting);

    std::uint64_t Distinct() const;
    std::uint64_t Fits() const;
    // The kept settings, each with its positions ascending, in order of first position, rotors and turns.
    std::vector<AttackSetting> Sorted() const;

private:
    mutable std::mutex mutex_;
    std::size_t keep_;
    std::vector<AttackSetting> kept_;
    std::unordered_map<std::uint64_t, std::size_t> index_;  // identity -> place in kept_
    std::unordered_set<std::uint64_t> others_;              // identities of settings found but not kept
    std::uint64_t distinct_ = 0;
    std::uint64_t fits_ = 0;
};

}  // namespace velista::analysis
