// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JobBank.h"

#include "machine/Checked.h"

namespace velista::cli {

RotorBank JobBank(const BatchJob& job)
{
    RotorBank bank;
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), job.rotors.Numbers(), job.key.Symbols()))
        ProgrammingError("the machine refuses a key of five alphabet symbols");
    return bank;
}

}  // namespace velista::cli
