// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A found key written so that it is copied right by eye: between «», a space shown as ␣, and each symbol's script
// named, since Latin and Cyrillic look-alikes (E/Е, k/к, A/А) and a trailing space cannot be seen.

#include <QString>

namespace velista {

class KeyText {
public:
    // «gЙ␣Ek»: the key between guillemets, each space as ␣.
    static QString Quoted(const QString& key);
    // One line per symbol, for a tooltip: "1: g — латиница (U+0067)".
    static QString Scripts(const QString& key);
    // "латиница", "кириллица", "цифра", "знак" or "пробел (знак)".
    static QString ScriptOf(QChar symbol);
};

}  // namespace velista
