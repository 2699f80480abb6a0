// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/RussianPlural.h"

namespace velista {

QString RussianPlural(qint64 n, const QString& one, const QString& few, const QString& many)
{
    // The sign does not change the form: −1 градус, −2 градуса. Negating the lowest qint64 would overflow, and its
    // last two digits (08) are those of its absolute value anyway.
    const qint64 lastTwo = n < 0 ? -(n % 100) : n % 100;
    const qint64 last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return many;
    if (last == 1)
        return one;
    if (last >= 2 && last <= 4)
        return few;
    return many;
}

}  // namespace velista
