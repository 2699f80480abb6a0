// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/RussianPlural.h"

namespace velista {

QString RussianPlural(qint64 n, const QString& one, const QString& few, const QString& many)
{
    // The form follows the last two digits of the number's magnitude.
    const qint64 magnitude = n < 0 ? -(n % 100) : n % 100;
    const qint64 last = magnitude % 10;
    const QString& noun = magnitude >= 11 && magnitude <= 14 ? many
                          : last == 1                         ? one
                          : last >= 2 && last <= 4            ? few
                                                              : many;
    return QString::number(n) + u' ' + noun;
}

}  // namespace velista
