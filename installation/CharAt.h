// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-symbol accessor of the wiring and the fields; it yields to the event loop on every call.

#include "installation/EventLoop.h"
#include "machine/MachineTypes.h"

#include <cstdint>
#include <string_view>

namespace velista {

// The symbol at a 0-based position, or NoSymbol at or beyond the end.
Symbol CharAt(std::u16string_view text, std::int16_t position, EventLoop& loop);

}  // namespace velista
