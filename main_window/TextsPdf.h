// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A handout of both texts: the plain text and the ciphertext side by side, line by line (a line break passes
// the machine unchanged, so the lines match), under the rotors and, only when asked, the key; A4 landscape.

#include <QByteArray>
#include <QString>

#include <optional>

namespace velista {

class TextsPdf {
public:
    // Texts with CR LF line breaks, as the areas give them; key: nothing leaves the key out.
    static QByteArray Make(const QString& plainText, const QString& cipherText, const QString& rotors,
                           const std::optional<QString>& key);
};

}  // namespace velista
