// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Range-checked indexes and arithmetic: a violation is a programming error and stops the program.

#include <cstdint>

namespace velista {

// Reports the fault on standard error and aborts, in every kind of build.
[[noreturn]] void ProgrammingError(const char* what);

inline void CheckIndex(int index, int first, int last)
{
    if (index < first || index > last)
        ProgrammingError("index out of range");
}

inline std::int16_t CheckedAdd(std::int16_t a, std::int16_t b)
{
    std::int16_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        ProgrammingError("16-bit overflow");
    return sum;
}

}  // namespace velista
