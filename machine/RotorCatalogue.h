// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten rotors 0 to 9, built from the wiring texts.

#include "machine/IndexedArray.h"
#include "machine/MachineTypes.h"
#include "machine/Rotor.h"
#include "machine/RotorWiringText.h"

#include <cstdint>

namespace velista {

class RotorCatalogue {
public:
    // The catalogue built from the wiring the program ships, once.
    static const RotorCatalogue& Shipped();

    // Builds every rotor from the wiring at once.
    void Build(const RotorWiringText& wiring);
    // Sets one position of both rows of a rotor: builders that go symbol by symbol.
    void SetPosition(std::int16_t rotor, std::int16_t position, Symbol entry, Symbol exit);

    const Rotor& operator[](int rotor) const { return rotors_[rotor]; }

private:
    IndexedArray<Rotor, 0, RotorCount - 1> rotors_;
};

}  // namespace velista
