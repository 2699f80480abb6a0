// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/CipherMachine.h"

#include "installation/CharAt.h"
#include "installation/RotorWindows.h"
#include "machine/Alphabet.h"

#include <string>

namespace velista {

namespace {

// The top line of a rotor window without its three leading and three trailing spaces.
std::u16string TopSymbol(const MachineWindow& window, int rotorWindow)
{
    const std::optional<std::u16string> line = window.RotorWindowTopLine(rotorWindow);
    if (!line || line->size() < 6)
        return {};
    return line->substr(3, line->size() - 6);
}

std::u16string AsText(Symbol symbol)
{
    return symbol == NoSymbol ? std::u16string() : std::u16string(1, symbol);
}

std::int16_t RotorNumber(Symbol digit)
{
    return digit >= u'0' && digit <= u'9' ? static_cast<std::int16_t>(digit - u'0') : std::int16_t{0};
}

}  // namespace

CipherMachine::CipherMachine(EventLoop& loop)
{
    LoadCatalogue(loop);
    bank_.ResetCounters();
}

bool CipherMachine::InstallRotors(MachineWindow& window)
{
    const std::u16string rotors = window.RotorFieldText();
    const std::u16string key = window.KeyFieldText();
    if (rotors.size() != 5 || key.size() != 5) {
        window.ShowCriticalMessage(IncompleteFieldsMessage, MessageTitle);
        return false;
    }
    // Key setting turns a slot until the key symbol shows on top, which a character outside the
    // alphabet never does.
    for (const char16_t c : key) {
        if (!Alphabet::Machine().Contains(c)) {
            window.ShowCriticalMessage(KeyOutsideAlphabetMessage, MessageTitle);
            return false;
        }
    }

    bank_.ResetCounters();
    LoadCatalogue(window);
    for (std::int16_t slot = 1; slot <= SlotCount; ++slot) {
        if (!SetSlot(slot, window))
            return false;
    }
    window.ShowRunButtons();
    rotorsInstalled_ = true;
    return true;
}

// The fields are read again for every slot: they may have changed while the installation yielded.
bool CipherMachine::SetSlot(std::int16_t slot, MachineWindow& window)
{
    const auto place = static_cast<std::int16_t>(slot - 1);
    const int rotorWindow = slot - 1;
    if (window.Stopping())
        return false;
    const std::int16_t rotor = RotorNumber(CharAt(window.RotorFieldText(), place, window));
    bank_.LoadSlot(slot, RotorCatalogue_[rotor]);
    window.ClearRotorWindow(rotorWindow);
    window.Yield();
    std::u16string top = TopSymbol(window, rotorWindow);
    window.Yield();
    const std::u16string keySymbol = AsText(CharAt(window.KeyFieldText(), place, window));
    // One revolution brings every symbol of the row to the top; a key that changed to a character
    // outside the alphabet meanwhile ends the turning there. An alphabet symbol is turned to however
    // long it takes: an installation started inside this one may have turned the slot meanwhile.
    const bool shows = keySymbol.size() == 1 && Alphabet::Machine().Contains(keySymbol.front());
    for (int turns = 0; top != keySymbol && (shows || turns < RowLength); ++turns) {
        if (window.Stopping())
            return false;
        RotateSlot(bank_, slot, 1, window);
        window.Yield();
        top = TopSymbol(window, rotorWindow);
        window.Yield();
    }
    return true;
}

}  // namespace velista
