// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/Alphabet.h"

#include "machine/Checked.h"
#include "machine/MachineTypes.h"
#include "machine/RotorWiringText.h"

namespace velista {

const Alphabet& Alphabet::Machine()
{
    static const Alphabet alphabet(RotorWiringText::Literal(0));
    return alphabet;
}

Alphabet::Alphabet(std::u16string_view text)
    : text_(text)
{
    if (text.size() != static_cast<std::size_t>(RowLength))
        ProgrammingError("the alphabet must hold 135 symbols");
    for (const char16_t c : text) {
        if (member_[c])
            ProgrammingError("a symbol occurs twice in the alphabet");
        member_[c] = true;
    }
}

}  // namespace velista
