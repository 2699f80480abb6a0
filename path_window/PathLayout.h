// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where everything of the path drawing goes for one snapshot in an area of a given size: the boxes, every
// text with its font fitted to its place, and the arrows. The drawing paints it as it stands; laid out
// apart from the painting, it can be measured: no two texts overlap at any size, every text colour reads
// on its background, and the arrows point the way the hops go.

#include "path_window/PathSnapshot.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <vector>

namespace velista {

class PathLayout {
public:
    struct Text {
        QString text;
        QFont font;
        QPointF baseline;  // where the text starts, on its baseline
        QRectF ink;        // the line it takes: its advance, and the alphabet's tallest ascent and descent
        QColor colour;
        QColor background;  // what the text stands on, for its contrast
        QString toolTip;    // the code point and script of a symbol; empty elsewhere
    };
    struct Box {
        QRectF rect;
        QColor fill;  // invalid: not filled
        QColor outline;
        qreal outlineWidth = 1;
        qreal radius = 0;
    };
    // A line with its head at `to`.
    struct Arrow {
        QPointF from;
        QPointF to;
        QColor colour;
        qreal width = 1;
    };

    // Text colours and backgrounds. Dark enough on white to read from the back of a classroom (WCAG
    // contrast at least 4.5:1, the faded grey 5.9:1), and the hop colours told apart by colour-blind eyes
    // through their lightness as well.
    static const QColor Ink;
    static const QColor Faded;  // the rows the path does not use
    static const QColor Paper;
    static const QColor Frame;      // the slots' frames
    static const QColor Highlight;  // the cells the path goes through
    static const QColor CellBorder;
    static const std::array<QColor, 4> HopColours;

    // The height and width of the drawing, in cells, besides the margins.
    static constexpr qreal HeightInCells = 8.2;
    static constexpr qreal WidthInCells = 12 + 6 * 0.8;
    static constexpr qreal Margin = 6;

    // The fonts of a drawing in an area of one size, each fitted to the widest and tallest text it holds.
    // Fitting takes about 15 ms; the drawing keeps them while its size and font stay.
    struct Type {
        QSizeF area;
        QFont base;
        QFont symbol;
        QFont number;
        QFont heading;
        QFont small;
        QFont note;
        // The alphabet's tallest ink above and below the baseline in the symbol font.
        qreal symbolAbove = 0;
        qreal symbolBelow = 0;
    };
    static Type FitType(QSizeF area, const QFont& base);

    // The whole drawing of the snapshot in the type's area; base gives the font family.
    static PathLayout Make(const PathSnapshot& snapshot, const Type& type);
    static PathLayout Make(const PathSnapshot& snapshot, QSizeF area, const QFont& base)
    {
        return Make(snapshot, FitType(area, base));
    }
    // The area a drawing with cells of that size takes at the least.
    static QSizeF AreaFor(qreal cell);

    qreal cell = 0;
    // +1: the path runs left to right (enciphering, slot 1 to 5); -1: right to left (deciphering).
    int direction = 1;
    std::vector<Box> boxes;
    std::vector<Text> texts;
    std::vector<Arrow> arrows;
};

}  // namespace velista
