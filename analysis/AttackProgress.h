// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far an attack has come, as reported to its progress callback.

#include <cstdint>

namespace velista::analysis {

struct AttackProgress {
    // 0 to 1. The first fifth is the scan of positions, the rest the search at the positions that passed it.
    double fraction = 0;
    std::uint64_t candidatesExamined = 0;
    std::uint64_t found = 0;
};

}  // namespace velista::analysis
