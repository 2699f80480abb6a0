// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attack's third stage: every item of a plan searched on every worker, batches swept by PositionBatch and the
// positions searched alone by MiddleMeeting, each setting that turns the fragment into the ciphertext added to
// found.

#include "analysis/AttackWorkers.h"
#include "analysis/FoundSettings.h"
#include "analysis/RotorTables.h"
#include "analysis/SearchPlan.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velista::analysis {

// Adds the partial settings computed to examined and each item searched to itemsDone as it goes; returns early,
// leaving the rest unsearched, once cancelled is set.
void MeetInTheMiddle(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                     const SearchPlan& plan, const AttackWorkers& workers, const std::atomic<bool>& cancelled,
                     FoundSettings& found, std::atomic<std::uint64_t>& examined, std::atomic<std::size_t>& itemsDone);

}  // namespace velista::analysis
