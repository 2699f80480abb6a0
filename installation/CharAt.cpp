// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharAt.h"

#include "Checked.h"

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
