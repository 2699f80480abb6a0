// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine's basic quantities: what a symbol is, how long a row is, how many slots and rotors there are.

#include <cstdint>

namespace velista {

// One symbol of the alphabet: a single UTF-16 code unit, compared exactly.
using Symbol = char16_t;

// What a row position holds before anything was copied into it.
inline constexpr Symbol NoSymbol = u'\0';

inline constexpr std::int16_t RowLength = 135;
inline constexpr std::int16_t SlotCount = 5;
inline constexpr std::int16_t RotorCount = 10;

enum class CipherDirection { Encipher, Decipher };

}  // namespace velista
