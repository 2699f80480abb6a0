#include "Alphabet.h"

#include "Checked.h"
#include "MachineTypes.h"
#include "RotorWiringText.h"

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
    index_.fill(NotASymbol);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (index_[text[i]] != NotASymbol)
            ProgrammingError("a symbol occurs twice in the alphabet");
        index_[text[i]] = static_cast<std::uint8_t>(i);
    }
}

}  // namespace velista
