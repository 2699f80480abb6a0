// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole machine: the stored wiring, the rotor catalogue, the bank, and whether the bank matches
// the rotor and key fields.

#include "installation/EventLoop.h"
#include "installation/LoadCatalogue.h"
#include "installation/MachineWindow.h"
#include "machine/RotorBank.h"
#include "machine/RotorCatalogue.h"
#include "machine/RotorWiringText.h"

#include <string_view>

namespace velista {

class CipherMachine {
public:
    static constexpr std::u16string_view MessageTitle = u"Внимание";
    static constexpr std::u16string_view IncompleteFieldsMessage =
        u"Не указаны номера всех дисков или ключ имеет менее 5-ти символов ";
    static constexpr std::u16string_view KeyOutsideAlphabetMessage =
        u"Ключ содержит символ, которого нет в алфавите машины. В ключ входят латинские и русские буквы "
        u"(кроме Ё и ё), цифры, пробел и знаки ( ) , - . : [ ]";

    // Stores the wiring, fills the catalogue and sets the step counters to 0.
    explicit CipherMachine(EventLoop& loop);

    const RotorCatalogue& Catalogue() const { return RotorCatalogue_; }
    void LoadCatalogue(EventLoop& loop) { velista::LoadCatalogue(RotorCatalogue_, RotorWiringText_, loop); }

    RotorBank& Bank() { return bank_; }
    const RotorBank& Bank() const { return bank_; }

    bool RotorsInstalled() const { return rotorsInstalled_; }
    // The fields changed, or the window starts: the bank no longer matches them.
    void ClearRotorsInstalled() { rotorsInstalled_ = false; }

    // Copies the rotors named in the rotor field into the slots and turns each slot until its key symbol
    // stands on the top line of its window. Refuses, with a message box, fields that do not hold five
    // characters and a key with a character outside the alphabet. Returns true when the bank was installed.
    bool InstallRotors(MachineWindow& window);

private:
    bool SetSlot(std::int16_t slot, MachineWindow& window);

    RotorWiringText RotorWiringText_;
    RotorCatalogue RotorCatalogue_;
    RotorBank bank_;
    bool rotorsInstalled_ = false;
};

}  // namespace velista
