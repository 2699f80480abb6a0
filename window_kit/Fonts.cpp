// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/Fonts.h"

#include <QStringList>

namespace velista {

void InstallFontSubstitutes()
{
    // Liberation Sans has Arial's metrics, the nearest of the free faces to MS Sans Serif at small sizes.
    const QStringList faces = {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
                               QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(DesignFamily, faces);
}

QFont DesignFont(qreal points, bool bold, bool underline)
{
    QFont font(DesignFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

}  // namespace velista
