// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/FilterKey.h"

#include "machine/Alphabet.h"
#include "machine/RotorChoice.h"
#include "machine/RotorWiringText.h"
#include "machine/Windows1251.h"

namespace velista {

std::int16_t FilterKey(std::int16_t code, std::u16string_view allowed, Beeper& beeper)
{
    if (code >= 0 && code <= 255) {
        const char16_t character = Windows1251::Decode(static_cast<unsigned char>(code));
        if (allowed.find(character) != std::u16string_view::npos)
            return code;
    }
    beeper.Beep();
    return 0;
}

std::u16string RotorFieldKeys()
{
    std::u16string keys(1, Backspace);
    keys += RotorChoice::Digits;
    return keys;
}

std::u16string KeyFieldKeys()
{
    std::u16string keys(1, Backspace);
    keys += Alphabet::Machine().Text();
    return keys;
}

std::u16string_view RunSymbols()
{
    return RotorWiringText::Literal(0);
}

}  // namespace velista
