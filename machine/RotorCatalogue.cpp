#include "RotorCatalogue.h"

#include "CharAt.h"

namespace velista {

void RotorCatalogue::LoadCatalogue(const RotorWiringText& wiring, EventLoop& loop)
{
    for (std::int16_t r = 0; r < RotorCount; ++r) {
        Rotor& rotor = rotors_[r];
        for (std::int16_t p = 0; p < RowLength; ++p) {
            if (loop.Stopping())
                return;
            rotor.EntryRow[p] = CharAt(wiring(r), p, loop);
            rotor.ExitRow[p] = CharAt(wiring(r + 10), p, loop);
        }
    }
}

}  // namespace velista
