// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/RotorCatalogue.h"

namespace velista {

const RotorCatalogue& RotorCatalogue::Shipped()
{
    static const RotorCatalogue shipped = [] {
        RotorCatalogue catalogue;
        catalogue.Build(RotorWiringText());
        return catalogue;
    }();
    return shipped;
}

void RotorCatalogue::Build(const RotorWiringText& wiring)
{
    for (std::int16_t r = 0; r < RotorCount; ++r) {
        const std::u16string& entry = wiring(r);
        const std::u16string& exit = wiring(r + 10);
        for (std::int16_t p = 0; p < RowLength; ++p) {
            const auto at = static_cast<std::size_t>(p);
            SetPosition(r, p, at < entry.size() ? entry[at] : NoSymbol, at < exit.size() ? exit[at] : NoSymbol);
        }
    }
}

void RotorCatalogue::SetPosition(std::int16_t rotor, std::int16_t position, Symbol entry, Symbol exit)
{
    rotors_[rotor].EntryRow[position] = entry;
    rotors_[rotor].ExitRow[position] = exit;
}

}  // namespace velista
