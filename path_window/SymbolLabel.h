// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the path window writes one symbol so that it can be read and told apart: a space as an open box,
// Latin letters marked «lat» (A, B, C, E, H, K, M, O, P, T, X and a, c, e, o, p, x have Cyrillic twins
// that look the same), and for tooltips and screen readers the code point and the script in words.

#include "machine/MachineTypes.h"

#include <QString>

namespace velista {

class SymbolLabel {
public:
    // What is drawn for the symbol: the symbol itself, or ␣ for the space.
    static QString Shown(Symbol symbol);
    // «lat» for a Latin letter, nothing for every other symbol.
    static QString ScriptMark(Symbol symbol);
    // The symbol and its mark as one cell of text: "W lat", "Д", "␣".
    static QString Cell(Symbol symbol);
    // "U+0057, латиница".
    static QString ToolTip(Symbol symbol);
    // What a screen reader says: "латинская W", "кириллическая С", "пробел", "цифра 1", "знак «:»".
    static QString Spoken(Symbol symbol);
    // In quotes for a sentence: «П», «пробел».
    static QString Quoted(Symbol symbol);

private:
    enum class Script { Latin, Cyrillic, Digit, Space, Other };
    static Script ScriptOf(Symbol symbol);
};

}  // namespace velista
