// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bank a job works with: its rotors installed and turned to its key.

#include "cli/BatchJob.h"

#include "machine/RotorBank.h"

namespace velista::cli {

// The command line has checked the rotors and the key; a job it let through wrongly stops the tool.
RotorBank JobBank(const BatchJob& job);

}  // namespace velista::cli
