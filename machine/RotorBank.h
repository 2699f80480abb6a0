#pragma once
// The five installed rotors and their step counters: turning, odometer stepping and the path of a symbol.

#include "IndexedArray.h"
#include "MachineTypes.h"
#include "MachineWindow.h"
#include "RotorSlot.h"
#include "TextCipher.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velista {

class RotorBank {
public:
    static constexpr int WindowLines = 23;

    // Copies a rotor into a slot (1 to 5), unturned; its window is left as it is.
    void LoadSlot(std::int16_t slot, const Rotor& rotor);
    const RotorSlot& Slot(std::int16_t slot) const { return RotorSlots[slot]; }
    // True once every slot holds a rotor.
    bool Complete() const;
    // How many times a rotor was copied into a slot: tables derived from the copies are valid while it stays.
    std::uint64_t Loads() const { return loads_; }

    // Turns a slot by steps and shows it in its rotor window.
    void RotateSlot(std::int16_t slot, std::int16_t steps, MachineWindow& window);
    // Fills the slot's rotor window (slot - 1) with entry-row positions 0 to 22, each as
    // three spaces, the symbol and three spaces.
    void ShowSlot(std::int16_t slot, MachineWindow& window) const;

    void ResetCounters() { StepCounters.Fill(0); }
    std::int16_t StepCounter(std::int16_t k) const { return StepCounters[k]; }

    // The four hops of a symbol through the bank, with the lookups they are made of.
    // A lookup of a symbol that the row does not hold gives position 0.
    std::int16_t FindInExitRow(std::int16_t slot, Symbol symbol) const;
    Symbol EntryOfNextSlot(std::int16_t slot, std::int16_t position) const;
    std::int16_t FindInEntryRow(std::int16_t slot, Symbol symbol) const;
    Symbol ExitOfPreviousSlot(std::int16_t slot, std::int16_t position) const;
    Symbol EncipherSymbol(Symbol symbol) const;
    Symbol DecipherSymbol(Symbol symbol) const;

    // One step of the odometer: slot 1 turns, and each counter that reaches 135 turns the next slot.
    // Every turned slot is shown in its window.
    void Usl_Procr(MachineWindow& window);

    // As many steps as Usl_Procr would make, without showing them. Returns a mask of the slots
    // that turned (bit k - 1 for slot k).
    unsigned Advance(std::int64_t steps);

    // Whole texts in place: each position is transformed with the bank as it stands, then the bank
    // steps once, exactly as a run does symbol by symbol. A character outside the alphabet passes
    // unchanged; returns how many did. The rotor windows of the slots that turned show the bank after.
    std::size_t EncipherText(std::span<char16_t> text, MachineWindow& window);
    std::size_t DecipherText(std::span<char16_t> text, MachineWindow& window);

private:
    // Adds steps to counter 1 and turns slot 1 by them, then carries; counter 1 must not pass 135.
    template <typename TurnSlot>
    void StepBy(std::int16_t steps, TurnSlot turn);

    void ShowTurned(unsigned turned, MachineWindow& window) const;

    IndexedArray<RotorSlot, 1, SlotCount> RotorSlots;
    IndexedArray<std::int16_t, 1, SlotCount> StepCounters;
    std::uint64_t loads_ = 0;
    TextCipher textCipher_;
};

}  // namespace velista
