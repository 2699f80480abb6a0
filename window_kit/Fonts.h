// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's design fonts. "MS Sans Serif" exists on few systems; it is mapped to a close sans-serif
// face so that the window keeps its designed proportions everywhere.

#include <QFont>

namespace velista {

inline const QString DesignFamily = QStringLiteral("MS Sans Serif");

// Registers the faces that stand in for the design family; safe to call more than once.
void InstallFontSubstitutes();

QFont DesignFont(qreal points, bool bold = false, bool underline = false);

}  // namespace velista
