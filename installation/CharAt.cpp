// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/CharAt.h"

#include "machine/Checked.h"

namespace velista {

Symbol CharAt(std::u16string_view text, std::int16_t position, EventLoop& loop)
{
    if (position < 0)
        ProgrammingError("CharAt at a negative position");
    const auto place = static_cast<std::size_t>(position);
    const Symbol symbol = place < text.size() ? text[place] : NoSymbol;
    loop.Yield();
    return symbol;
}

}  // namespace velista
