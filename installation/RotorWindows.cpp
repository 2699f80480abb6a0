// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/RotorWindows.h"

#include <string>

namespace velista {

void ShowSlot(const RotorBank& bank, std::int16_t slot, MachineWindow& window)
{
    const RotorSlot& shown = bank.Slot(slot);
    const int rotorWindow = slot - 1;
    window.ClearRotorWindow(rotorWindow);
    std::u16string line = u"       ";
    for (int p = 0; p < WindowLines; ++p) {
        line[3] = shown.EntryAt(p);
        window.AppendRotorWindowLine(rotorWindow, line);
    }
}

void ShowTurned(const RotorBank& bank, unsigned turned, MachineWindow& window)
{
    for (std::int16_t k = 1; k <= SlotCount; ++k) {
        if (turned & (1u << (k - 1)))
            ShowSlot(bank, k, window);
    }
}

void RotateSlot(RotorBank& bank, std::int16_t slot, std::int16_t steps, MachineWindow& window)
{
    bank.TurnSlot(slot, steps);
    ShowSlot(bank, slot, window);
}

void Usl_Procr(RotorBank& bank, MachineWindow& window)
{
    ShowTurned(bank, bank.Step(), window);
}

std::size_t EncipherText(RotorBank& bank, std::span<char16_t> text, MachineWindow& window)
{
    const TextResult result = bank.EncipherText(text);
    ShowTurned(bank, result.turned, window);
    return result.passed;
}

std::size_t DecipherText(RotorBank& bank, std::span<char16_t> text, MachineWindow& window)
{
    const TextResult result = bank.DecipherText(text);
    ShowTurned(bank, result.turned, window);
    return result.passed;
}

}  // namespace velista
