// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole text's path as a table for office programs: one row a position with the columns of
// `velista-cli trace` (the position, the symbol, each hop's position and the symbol it reaches; a character
// outside the alphabet as U+XXXX and -), comma-separated, in UTF-8 with a byte-order mark.

#include "machine/SymbolPath.h"

#include <QByteArray>
#include <QString>

namespace velista {

class RotorBank;

class PathCsv {
public:
    // The bank as the run starts; it steps once for every position, exactly as a run does.
    static QByteArray Make(RotorBank bank, const QString& text, CipherDirection direction);
};

}  // namespace velista
