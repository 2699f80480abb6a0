// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attack's last stage: the machine itself confirms each setting the search reports, at its first position.

#include "analysis/AttackSetting.h"
#include "analysis/RotorTables.h"

#include <atomic>
#include <string_view>
#include <vector>

namespace velista::analysis {

// Keeps the settings confirmed before cancelled was set (each takes up to 0.3 ms for a 64 KiB fragment, so
// cancellation is looked at between settings). A setting the machine does not confirm is a programming error and
// stops the program.
void ConfirmSettings(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                     const std::atomic<bool>& cancelled, std::vector<AttackSetting>& settings);

}  // namespace velista::analysis
