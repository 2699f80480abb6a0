// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/LoadCatalogue.h"

#include "installation/CharAt.h"

namespace velista {

void LoadCatalogue(RotorCatalogue& catalogue, const RotorWiringText& wiring, EventLoop& loop)
{
    for (std::int16_t r = 0; r < RotorCount; ++r) {
        for (std::int16_t p = 0; p < RowLength; ++p) {
            if (loop.Stopping())
                return;
            const Symbol entry = CharAt(wiring(r), p, loop);
            const Symbol exit = CharAt(wiring(r + 10), p, loop);
            catalogue.SetPosition(r, p, entry, exit);
        }
    }
}

}  // namespace velista
