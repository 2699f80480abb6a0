// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the layout panel reads a keyboard layout identifier: as a decimal number made of its leading digits.

#include <cstdint>
#include <optional>
#include <string_view>

namespace velista {

// The leading decimal digits of the identifier as a signed 16-bit number ("00000419" reads 419,
// "0000041A" reads 41); nothing when there is no leading digit or the number is out of range.
std::optional<std::int16_t> ReadLayoutNumber(std::string_view identifier);

// True exactly for the plain Russian layout, whose identifier reads as 419.
bool IsRussianLayout(std::string_view identifier);

}  // namespace velista
