// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JobBank.h"

#include "machine/Checked.h"

#include <array>
#include <cstdint>

namespace velista::cli {

RotorBank JobBank(const BatchJob& job)
{
    const std::u16string_view digits = job.rotors;
    if (digits.size() != SlotCount)
        ProgrammingError("the command line let through a rotor field that is not five digits");
    std::array<std::int16_t, SlotCount> rotors{};
    for (std::size_t i = 0; i < rotors.size(); ++i) {
        if (digits[i] < u'0' || digits[i] > u'9')
            ProgrammingError("the command line let through a rotor that is not a digit");
        rotors[i] = static_cast<std::int16_t>(digits[i] - u'0');
    }
    RotorBank bank;
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), rotors, job.key))
        ProgrammingError("the command line let through rotors or a key that the machine refuses");
    return bank;
}

}  // namespace velista::cli
