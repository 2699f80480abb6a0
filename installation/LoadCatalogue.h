// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building the catalogue symbol by symbol, as the installation does, yielding to the event loop.

#include "installation/EventLoop.h"
#include "machine/RotorCatalogue.h"
#include "machine/RotorWiringText.h"

namespace velista {

// Builds every rotor again, symbol by symbol, yielding at each one; the result is always the same.
// Stops early when the loop says the program is ending.
void LoadCatalogue(RotorCatalogue& catalogue, const RotorWiringText& wiring, EventLoop& loop);

}  // namespace velista
