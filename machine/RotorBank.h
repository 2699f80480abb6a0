// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five installed rotors and their step counters: setting, turning, odometer stepping, the path of a
// symbol and whole texts.

#include "machine/IndexedArray.h"
#include "machine/MachineTypes.h"
#include "machine/RotorCatalogue.h"
#include "machine/RotorSlot.h"
#include "machine/SymbolPath.h"
#include "machine/TextCipher.h"
#include "machine/TextResult.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velista {

class RotorBank {
public:
    // Where the bank stands: each slot's counter and its turns since its rotor was copied in (slot k at
    // index k - 1). A run keeps these to take positions back by restoring one, never by stepping backwards.
    struct Position {
        std::array<std::int16_t, SlotCount> counters{};
        std::array<std::int16_t, SlotCount> turns{};

        bool operator==(const Position&) const = default;
    };

    // Copies a rotor into a slot (1 to 5), unturned.
    void LoadSlot(std::int16_t slot, const Rotor& rotor);
    const RotorSlot& Slot(std::int16_t slot) const { return slots_[slot]; }
    // True once every slot holds a rotor.
    bool Complete() const;
    // How many times a rotor was copied into a slot: tables derived from the copies are valid while it stays.
    std::uint64_t Loads() const { return loads_; }

    // Sets the bank as an installation leaves it: counters 0, slot k holds catalogue rotor rotors[k - 1]
    // turned so that key symbol k stands at entry position 0 (135 - p turns for a symbol at position p,
    // none at p = 0). Returns false, leaving the bank as it was, when the key is not five symbols that
    // stand in the entry rows of their rotors.
    bool SetDirectly(const RotorCatalogue& catalogue, const std::array<std::int16_t, SlotCount>& rotors,
                     std::u16string_view key);

    // Turns a slot by steps.
    void TurnSlot(std::int16_t slot, std::int16_t steps);

    void ResetCounters() { counters_.Fill(0); }
    Position Where() const;
    // Puts the bank back where it stood: the same rotors, so only the turns and the counters change.
    void Restore(const Position& position);
    std::int16_t StepCounter(std::int16_t k) const { return counters_[k]; }

    // The four hops of a symbol through the bank, with the lookups they are made of.
    // A lookup of a symbol that the row does not hold gives position 0.
    std::int16_t FindInExitRow(std::int16_t slot, Symbol symbol) const;
    Symbol EntryOfNextSlot(std::int16_t slot, std::int16_t position) const;
    std::int16_t FindInEntryRow(std::int16_t slot, Symbol symbol) const;
    Symbol ExitOfPreviousSlot(std::int16_t slot, std::int16_t position) const;
    Symbol EncipherSymbol(Symbol symbol) const;
    Symbol DecipherSymbol(Symbol symbol) const;
    // The same hops, each with the position it was made at and the symbol it reached.
    SymbolPath Path(Symbol symbol, CipherDirection direction) const;

    // One step of the odometer: slot 1 turns, and each counter that reaches 135 turns the next slot.
    // Returns a mask of the slots that turned (bit k - 1 for slot k).
    unsigned Step();
    // As many steps at once; the same mask over all of them.
    unsigned Advance(std::int64_t steps);

    // Whole texts in place: each position is transformed with the bank as it stands, then the bank
    // steps once, exactly as a run does symbol by symbol. A character outside the alphabet passes
    // unchanged. Text is UTF-16; bytes are Windows-1251, in which every alphabet symbol is one byte.
    TextResult EncipherText(std::span<char16_t> text);
    TextResult DecipherText(std::span<char16_t> text);
    TextResult EncipherBytes(std::span<std::uint8_t> bytes);
    TextResult DecipherBytes(std::span<std::uint8_t> bytes);

private:
    // Adds steps to counter 1 and turns slot 1 by them, then carries; counter 1 must not pass 135.
    // Returns the mask of the slots that turned.
    unsigned StepBy(std::int16_t steps);

    IndexedArray<RotorSlot, 1, SlotCount> slots_;
    IndexedArray<std::int16_t, 1, SlotCount> counters_;
    std::uint64_t loads_ = 0;
    TextCipher textCipher_;
};

}  // namespace velista
