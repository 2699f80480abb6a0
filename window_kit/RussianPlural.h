// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form of a Russian noun that goes with a number: 1 символ, 2 символа, 5 символов, 11 символов, 21 символ.

#include <QString>

namespace velista {

// One of the three given forms: one for 1, 21, 101 (but not 11, 111), few for 2-4, 22-24 (but not 12-14),
// many for the rest. Only the form is returned; the caller writes the number as it likes (digit groups).
QString RussianPlural(qint64 n, const QString& one, const QString& few, const QString& many);

}  // namespace velista
