// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form of a noun that goes with a number, from the catalogue's plural forms: Russian has three
// (1 символ, 2 символа, 5 символов), English two (1 symbol, 5 symbols).

#include <QString>

namespace velista {

// The form of source (a catalogue entry with plural forms in context) for n; the number itself is not
// written, so that the caller writes it as it likes (digit groups). The Russian forms come from a
// catalogue built into the program and installed with the application, below any other.
QString PluralForm(const char* context, const char* source, qint64 n);

}  // namespace velista
