// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the window writes them in the interface's language: digit groups, decimal commas (points in
// English), powers of ten.

#include <QString>

#include <cstdint>

namespace velista {

class NumberText {
public:
    // 1 234 567, with the Russian locale's no-break spaces between the groups.
    static QString Whole(std::uint64_t value);
    // With the given decimals and a comma: 0,0525.
    static QString Decimal(double value, int decimals);
    // Up to a million as a whole number, above that as 3,3·10¹³.
    static QString Large(double value);
    // Seconds with two decimals below ten, else one: «0,12 с».
    static QString Seconds(double seconds);
};

}  // namespace velista
