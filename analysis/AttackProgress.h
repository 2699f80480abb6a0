// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far an attack has come, as reported to its progress callback.

#include <cstdint>

namespace velista::analysis {

struct AttackProgress {
    // 0 to 1. Positions are taken 262,144 at a time: within each such window the first fifth is the scan of its
    // positions, the rest the search at the positions that passed it.
    double fraction = 0;
    std::uint64_t candidatesExamined = 0;
    std::uint64_t found = 0;
};

}  // namespace velista::analysis
