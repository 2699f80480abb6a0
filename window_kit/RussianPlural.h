// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A number with its noun in the right Russian form: 1 символ, 2 символа, 5 символов, 11 символов, 21 символ.

#include <QString>

namespace velista {

// one: the form after 1, 21, 101 …; few: after 2–4, 22–24 …; many: after 0, 5–20, 25–30, 111 ….
// Returns the number and the noun, separated by a blank.
QString RussianPlural(qint64 n, const QString& one, const QString& few, const QString& many);

}  // namespace velista
