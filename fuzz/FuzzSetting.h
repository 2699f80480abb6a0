// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A machine setting read from the front of a fuzz input: five rotor numbers (repeats allowed) and a key of
// five alphabet symbols, each a byte.

#include "fuzz/FuzzInput.h"
#include "machine/Alphabet.h"
#include "machine/MachineTypes.h"

#include <array>
#include <cstdint>
#include <string>

namespace velista::fuzz {

struct FuzzSetting {
    std::array<std::int16_t, SlotCount> rotors{};
    std::u16string key;

    static FuzzSetting Read(FuzzInput& input)
    {
        FuzzSetting setting;
        for (std::int16_t& rotor : setting.rotors)
            rotor = static_cast<std::int16_t>(input.Byte() % RotorCount);
        for (int k = 0; k < SlotCount; ++k)
            setting.key += Alphabet::Machine().Text()[input.Byte() % RowLength];
        return setting;
    }
};

}  // namespace velista::fuzz
