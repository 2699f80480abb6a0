#pragma once
// Range-checked indexes and arithmetic: a violation is a programming error and stops the program.

#include <cstdint>
#include <limits>

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

inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        ProgrammingError("32-bit overflow");
    return sum;
}

template <typename Narrow, typename Wide>
Narrow CheckedNarrow(Wide value)
{
    if (value < static_cast<Wide>(std::numeric_limits<Narrow>::min())
        || value > static_cast<Wide>(std::numeric_limits<Narrow>::max()))
        ProgrammingError("value does not fit its type");
    return static_cast<Narrow>(value);
}

}  // namespace velista
