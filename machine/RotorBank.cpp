#include "RotorBank.h"

#include "Checked.h"

#include <algorithm>
#include <string>

namespace velista {

void RotorBank::LoadSlot(std::int16_t slot, const Rotor& rotor)
{
    RotorSlots[slot].Load(rotor);
    ++loads_;
}

bool RotorBank::Complete() const
{
    for (std::int16_t k = 1; k <= SlotCount; ++k) {
        if (RotorSlots[k].Empty())
            return false;
    }
    return true;
}

void RotorBank::RotateSlot(std::int16_t slot, std::int16_t steps, MachineWindow& window)
{
    RotorSlots[slot].Turn(steps);
    ShowSlot(slot, window);
}

void RotorBank::ShowSlot(std::int16_t slot, MachineWindow& window) const
{
    const RotorSlot& shown = RotorSlots[slot];
    const int rotorWindow = slot - 1;
    window.ClearRotorWindow(rotorWindow);
    std::u16string line = u"       ";
    for (int p = 0; p < WindowLines; ++p) {
        line[3] = shown.EntryAt(p);
        window.AppendRotorWindowLine(rotorWindow, line);
    }
}

namespace {

// The first position at which the row holds the symbol, scanning from 0; 0 when it holds none.
template <typename Row>
std::int16_t FirstPosition(Row row, Symbol symbol)
{
    for (std::int16_t p = 0; p < RowLength; ++p) {
        if (row(p) == symbol)
            return p;
    }
    return 0;
}

}  // namespace

std::int16_t RotorBank::FindInExitRow(std::int16_t slot, Symbol symbol) const
{
    const RotorSlot& searched = RotorSlots[slot];
    return FirstPosition([&](int p) { return searched.ExitAt(p); }, symbol);
}

Symbol RotorBank::EntryOfNextSlot(std::int16_t slot, std::int16_t position) const
{
    CheckIndex(slot, 0, SlotCount - 1);
    return RotorSlots[slot + 1].EntryAt(position);
}

std::int16_t RotorBank::FindInEntryRow(std::int16_t slot, Symbol symbol) const
{
    const RotorSlot& searched = RotorSlots[slot];
    return FirstPosition([&](int p) { return searched.EntryAt(p); }, symbol);
}

Symbol RotorBank::ExitOfPreviousSlot(std::int16_t slot, std::int16_t position) const
{
    CheckIndex(slot, 2, SlotCount + 1);
    return RotorSlots[slot - 1].ExitAt(position);
}

Symbol RotorBank::EncipherSymbol(Symbol symbol) const
{
    for (std::int16_t k = 1; k <= 4; ++k)
        symbol = EntryOfNextSlot(k, FindInExitRow(k, symbol));
    return symbol;
}

Symbol RotorBank::DecipherSymbol(Symbol symbol) const
{
    for (std::int16_t k = 5; k >= 2; --k)
        symbol = ExitOfPreviousSlot(k, FindInEntryRow(k, symbol));
    return symbol;
}

template <typename TurnSlot>
void RotorBank::StepBy(std::int16_t steps, TurnSlot turn)
{
    StepCounters[1] = CheckedAdd(StepCounters[1], steps);
    if (StepCounters[1] > RowLength)
        ProgrammingError("counter 1 stepped past its carry");
    turn(std::int16_t{1}, steps);
    // Each test is made whether or not the one before carried; a carry turns the next slot
    // before that slot's counter advances.
    for (std::int16_t k = 1; k < SlotCount; ++k) {
        if (StepCounters[k] >= RowLength) {
            StepCounters[k] = 0;
            const auto next = static_cast<std::int16_t>(k + 1);
            turn(next, std::int16_t{1});
            StepCounters[next] = CheckedAdd(StepCounters[next], std::int16_t{1});
        }
    }
    if (StepCounters[SlotCount] >= RowLength)
        StepCounters[SlotCount] = 0;
}

void RotorBank::Usl_Procr(MachineWindow& window)
{
    StepBy(1, [&](std::int16_t slot, std::int16_t steps) { RotateSlot(slot, steps, window); });
}

unsigned RotorBank::Advance(std::int64_t steps)
{
    if (steps < 0)
        ProgrammingError("the bank steps forwards only");
    unsigned turned = 0;
    while (steps > 0) {
        const std::int64_t untilCarry = RowLength - StepCounters[1];
        const auto now = static_cast<std::int16_t>(std::min(steps, untilCarry));
        StepBy(now, [&](std::int16_t slot, std::int16_t n) {
            RotorSlots[slot].Turn(n);
            turned |= 1u << (slot - 1);
        });
        steps -= now;
    }
    return turned;
}

void RotorBank::ShowTurned(unsigned turned, MachineWindow& window) const
{
    for (std::int16_t k = 1; k <= SlotCount; ++k) {
        if (turned & (1u << (k - 1)))
            ShowSlot(k, window);
    }
}

std::size_t RotorBank::EncipherText(std::span<char16_t> text, MachineWindow& window)
{
    unsigned turned = 0;
    const std::size_t passed = textCipher_.Encipher(*this, text, turned);
    ShowTurned(turned, window);
    return passed;
}

std::size_t RotorBank::DecipherText(std::span<char16_t> text, MachineWindow& window)
{
    unsigned turned = 0;
    const std::size_t passed = textCipher_.Decipher(*this, text, turned);
    ShowTurned(turned, window);
    return passed;
}

}  // namespace velista
