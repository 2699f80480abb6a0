// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bank a job works with: its rotors installed and turned to its key.

#include "cli/BatchJob.h"

#include "machine/RotorBank.h"

namespace velista::cli {

// Every alphabet symbol stands in every rotor's entry row, so the machine takes any job's key; a refusal
// stops the tool as a programming error.
RotorBank JobBank(const BatchJob& job);

}  // namespace velista::cli
