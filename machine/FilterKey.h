// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The character filter of the rotor field, the key field and the runs, with the three sets they allow.

#include "machine/Beeper.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velista {

inline constexpr char16_t Backspace = u'\b';

// The code is a Windows-1251 byte, as key presses arrive. Returns it when its character is in the
// allowed set; otherwise sounds one beep and returns 0.
std::int16_t FilterKey(std::int16_t code, std::u16string_view allowed, Beeper& beeper);

// Backspace and the ten digits that name the rotors (RotorChoice::Digits).
std::u16string RotorFieldKeys();

// Backspace and every alphabet symbol, each a key symbol (MachineKey).
std::u16string KeyFieldKeys();

// The alphabet alone, as the runs test each symbol.
std::u16string_view RunSymbols();

}  // namespace velista
