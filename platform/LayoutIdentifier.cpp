// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LayoutIdentifier.h"

namespace velista {

std::optional<std::int16_t> ReadLayoutNumber(std::string_view identifier)
{
    std::int32_t number = 0;
    std::size_t digits = 0;
    for (const char c : identifier) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
        if (number > INT16_MAX)
            return std::nullopt;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return static_cast<std::int16_t>(number);
}

bool IsRussianLayout(std::string_view identifier)
{
    return ReadLayoutNumber(identifier) == std::int16_t{419};
}

}  // namespace velista
