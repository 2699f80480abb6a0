#pragma once
// The ten rotors 0 to 9, built from the wiring texts.

#include "EventLoop.h"
#include "IndexedArray.h"
#include "Rotor.h"
#include "RotorWiringText.h"

namespace velista {

class RotorCatalogue {
public:
    // Builds every rotor again, symbol by symbol, yielding at each one; the result is always the same.
    // Stops early when the loop says the program is ending.
    void LoadCatalogue(const RotorWiringText& wiring, EventLoop& loop);

    const Rotor& operator[](int rotor) const { return rotors_[rotor]; }

private:
    IndexedArray<Rotor, 0, RotorCount - 1> rotors_;
};

}  // namespace velista
