// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bank shown in the rotor windows: turning and stepping that repaint the slots they move, and whole
// texts that repaint the slots that turned.

#include "installation/MachineWindow.h"
#include "machine/RotorBank.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velista {

// How many entry-row positions a rotor window shows.
inline constexpr int WindowLines = 23;

// Fills the slot's rotor window (slot - 1) with entry-row positions 0 to 22, each as three spaces,
// the symbol and three spaces.
void ShowSlot(const RotorBank& bank, std::int16_t slot, MachineWindow& window);
// Shows every slot in the mask (bit k - 1 for slot k).
void ShowTurned(const RotorBank& bank, unsigned turned, MachineWindow& window);

// Turns a slot by steps and shows it in its rotor window.
void RotateSlot(RotorBank& bank, std::int16_t slot, std::int16_t steps, MachineWindow& window);

// One step of the odometer; every turned slot is shown in its window.
void Usl_Procr(RotorBank& bank, MachineWindow& window);

// Whole texts in place, as the bank's own; the rotor windows of the slots that turned show the bank
// after. Return how many characters passed unchanged.
std::size_t EncipherText(RotorBank& bank, std::span<char16_t> text, MachineWindow& window);
std::size_t DecipherText(RotorBank& bank, std::span<char16_t> text, MachineWindow& window);

}  // namespace velista
