// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/PathLayout.h"

#include "path_window/SymbolLabel.h"

#include "machine/Alphabet.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace velista {

const QColor PathLayout::Ink(0, 0, 0);
const QColor PathLayout::Faded(100, 100, 100);
const QColor PathLayout::Paper(255, 255, 255);
const QColor PathLayout::Frame(235, 235, 235);
const QColor PathLayout::Highlight(255, 250, 200);
const QColor PathLayout::CellBorder(128, 128, 128);
const std::array<QColor, 4> PathLayout::HopColours = {
    QColor(200, 0, 0),    // red, 6.1:1 on white
    QColor(0, 125, 40),   // green, 5.3:1
    QColor(0, 60, 200),   // blue, 8.5:1
    QColor(150, 0, 150),  // purple, 7.7:1
};

namespace {

// Heights within a slot's frame, in cells from its top.
constexpr qreal NameTop = 0.05;
constexpr qreal NameBottom = 0.7;
constexpr qreal TurnBottom = 1.2;
constexpr qreal CounterBottom = 1.7;
constexpr qreal RowLabelTop = 1.8;
constexpr qreal RowLabelBottom = 2.25;
constexpr qreal RowsTop = 2.3;
constexpr qreal FrameBottom = RowsTop + PathSnapshot::Rows + 0.25;
constexpr qreal HopLabelTop = FrameBottom + 0.05;
constexpr qreal HopLabelBottom = HopLabelTop + 0.5;
// A cell: the position number (and «lat») in a band along its top, the symbol below it.
constexpr qreal BandHeight = 0.3;
constexpr qreal SymbolTop = 0.32;

// The room a line of text takes: its advance, widened by any ink beyond it (small type rounds glyphs out
// by a pixel), and above and below the baseline the font's ascent and descent or the ink of the tallest
// glyph of `heightOf`, whichever reaches further (the breve of «Й» rises above the ascent of some faces).
struct Line {
    qreal lead;  // ink left of the start
    qreal width;
    qreal above;
    qreal below;
    qreal Height() const { return above + below; }
};

Line Measure(const QFont& font, const QString& text, const QString& heightOf)
{
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    const QRectF tall = heightOf.isEmpty() ? ink : metrics.tightBoundingRect(heightOf);
    const qreal lead = std::max(0.0, -ink.left());
    return {lead, lead + std::max(metrics.horizontalAdvance(text), ink.right()), std::max(metrics.ascent(), -tall.top()),
            std::max(metrics.descent(), tall.bottom())};
}

QString AlphabetText()
{
    return QString::fromStdU16String(std::u16string(Alphabet::Machine().Text())) + QStringLiteral("␣");
}

struct Room {
    QString text;
    QSizeF size;
    QString heightOf;  // whose ink sets the height; the text itself when empty
};

bool Fits(const QFont& font, const std::vector<Room>& rooms)
{
    return std::all_of(rooms.begin(), rooms.end(), [&](const Room& room) {
        const Line line = Measure(font, room.text, room.heightOf);
        return line.width <= room.size.width() && line.Height() <= room.size.height();
    });
}

// The font at the largest pixel size at which every text fits its room: first scaled from a trial size,
// then made smaller until it fits, since type does not scale exactly.
QFont Fitted(QFont font, bool bold, const std::vector<Room>& rooms)
{
    font.setBold(bold);
    constexpr int Trial = 40;
    font.setPixelSize(Trial);
    qreal scale = 8;
    for (const Room& room : rooms) {
        const Line line = Measure(font, room.text, room.heightOf);
        scale = std::min({scale, room.size.width() / std::max(line.width, 1.0),
                          room.size.height() / std::max(line.Height(), 1.0)});
    }
    int pixels = std::max(1, int(std::floor(Trial * scale)));
    font.setPixelSize(pixels);
    while (pixels > 1 && !Fits(font, rooms))
        font.setPixelSize(--pixels);
    return font;
}

// The widest symbol of the alphabet in the bold face.
QString WidestSymbol(QFont font, const QString& alphabet)
{
    font.setBold(true);
    font.setPixelSize(40);
    const QFontMetricsF metrics(font);
    QChar widest = alphabet.at(0);
    for (const QChar c : alphabet) {
        if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest))
            widest = c;
    }
    return QString(widest);
}

// The cell and the gap between the slots for an area.
struct Grid {
    qreal c;
    qreal g;
};

Grid GridFor(QSizeF area)
{
    const qreal c = std::max(1.0, std::min((area.width() - 2 * PathLayout::Margin) / PathLayout::WidthInCells,
                                           (area.height() - 2 * PathLayout::Margin) / PathLayout::HeightInCells));
    // Spare width goes into the gaps between the slots, where the hops are drawn.
    return {c, std::clamp((area.width() - 2 * PathLayout::Margin - 12 * c) / 6, c * 0.8, c * 2.0)};
}

// A function, not a constant: the catalogue is installed after the program's constants are made.
QString NoteText()
{
    return QCoreApplication::translate("velista::PathLayout", "Символа нет в алфавите машины: он проходит без изменений.");
}

}  // namespace

PathLayout::Type PathLayout::FitType(QSizeF area, const QFont& base)
{
    const auto [c, g] = GridFor(area);
    const qreal frameWidth = 2 * c + 0.8 * g;
    Type type;
    type.area = area;
    type.base = base;
    const QString alphabet = AlphabetText();
    type.symbol = Fitted(base, true, {{WidestSymbol(base, alphabet), {c - 4, c * (1 - SymbolTop) - 2}, alphabet}});
    const Line tall = Measure(type.symbol, alphabet, {});
    type.symbolAbove = tall.above;
    type.symbolBelow = tall.below;
    type.number = Fitted(base, false, {{QStringLiteral("888 lat"), {c * 0.88, c * BandHeight}, QString()}});
    type.heading =
        Fitted(base, true, {{QCoreApplication::translate("velista::PathLayout", "Гнездо 5"), {frameWidth - 0.1 * c, c * (NameBottom - NameTop)}, {}}});
    type.small = Fitted(
        base, false,
        {{QCoreApplication::translate("velista::PathLayout", "от ключа: 134"), {frameWidth - 0.1 * c, c * (TurnBottom - NameBottom)}, {}},
         {QCoreApplication::translate("velista::PathLayout", "счётчик: 134"), {frameWidth - 0.1 * c, c * (CounterBottom - TurnBottom)}, {}},
         // Above a row, and below an end box, which is no wider than a cell.
         {QCoreApplication::translate("velista::PathLayout", "выход"), {c, c * (RowLabelBottom - RowLabelTop)}, {}},
         {QCoreApplication::translate("velista::PathLayout", "ход 4"), {2 * c + 0.9 * g, c * (HopLabelBottom - HopLabelTop)}, {}}});
    type.note =
        Fitted(base, false, {{NoteText(), {area.width() - 2 * Margin, (HopLabelBottom - HopLabelTop) * c}, {}}});
    return type;
}

QSizeF PathLayout::AreaFor(qreal cell)
{
    return {WidthInCells * cell + 2 * Margin, HeightInCells * cell + 2 * Margin};
}

PathLayout PathLayout::Make(const PathSnapshot& shot, const Type& type)
{
    PathLayout layout;
    const bool encipher = shot.direction == CipherDirection::Encipher;
    layout.direction = encipher ? 1 : -1;
    const qreal w = type.area.width();
    const qreal h = type.area.height();
    const auto [c, g] = GridFor(type.area);
    layout.cell = c;
    const qreal left = (w - 12 * c - 6 * g) / 2;
    const qreal top = std::max(Margin, (h - HeightInCells * c) / 2);
    const auto y = [&](qreal cells) { return top + cells * c; };
    const qreal rowsTop = y(RowsTop);
    const qreal middleY = rowsTop + (PathSnapshot::Reach + 0.5) * c;
    const auto entryX = [&](int slot) { return left + c + g + (slot - 1) * (2 * c + g); };
    const auto columnX = [&](int slot, int row) { return entryX(slot) + row * c; };
    const qreal frameWidth = 2 * c + 0.8 * g;
    const QFont& symbolFont = type.symbol;
    const QFont& numberFont = type.number;
    const QFont& headingFont = type.heading;
    const QFont& smallFont = type.small;

    enum class Align { Left, Centre, Right };
    const auto place = [&](const QString& text, const QFont& font, const QRectF& rect, Align align,
                           const QColor& colour, const QColor& background, const QString& heightOf = {}) {
        const Line line = Measure(font, text, heightOf);
        qreal x = rect.left();
        if (align == Align::Centre)
            x = rect.center().x() - line.width / 2;
        else if (align == Align::Right)
            x = rect.right() - line.width;
        const qreal lineTop = rect.center().y() - line.Height() / 2;
        layout.texts.push_back({text, font, QPointF(x + line.lead, lineTop + line.above),
                                QRectF(x, lineTop, line.width, line.Height()), colour, background, {}});
    };
    // A symbol centred below the cell's band, on the same baseline whatever the symbol; «lat» in the band.
    const auto symbol = [&](Symbol s, const QRectF& cellRect, const QColor& colour, const QColor& background) {
        const QString shown = SymbolLabel::Shown(s);
        Line line = Measure(symbolFont, shown, {});
        // Every symbol on the same baseline, with room for the tallest.
        line.above = type.symbolAbove;
        line.below = type.symbolBelow;
        const QRectF room(cellRect.left(), cellRect.top() + c * SymbolTop, cellRect.width(), c * (1 - SymbolTop));
        const qreal x = room.center().x() - line.width / 2;
        const qreal lineTop = room.center().y() - line.Height() / 2;
        layout.texts.push_back({shown, symbolFont, QPointF(x + line.lead, lineTop + line.above),
                                QRectF(x, lineTop, line.width, line.Height()), colour, background,
                                SymbolLabel::ToolTip(s)});
        const QString mark = SymbolLabel::ScriptMark(s);
        if (!mark.isEmpty())
            place(mark, numberFont, QRectF(cellRect.left() + 0.06 * c, cellRect.top() + 0.02 * c, c * 0.88, c * BandHeight),
                  Align::Right, colour, background);
    };

    // The slots: a frame with a heading, the counter and the turn from the key, and the two rows.
    for (int k = 1; k <= SlotCount; ++k) {
        const auto i = std::size_t(k - 1);
        const qreal x = entryX(k);
        const QRectF frame(x - 0.4 * g, y(0), frameWidth, (FrameBottom) * c);
        layout.boxes.push_back({frame, Frame, Ink, 1, c * 0.15});
        const auto line = [&](qreal from, qreal to) {
            return QRectF(frame.left() + 0.05 * c, y(from), frame.width() - 0.1 * c, (to - from) * c);
        };
        place(QCoreApplication::translate("velista::PathLayout", "Гнездо %1").arg(k), headingFont, line(NameTop, NameBottom), Align::Centre, Ink, Frame);
        const QString turn = shot.turnsFromKey[i] < 0 ? QStringLiteral("—") : QString::number(shot.turnsFromKey[i]);
        place(QCoreApplication::translate("velista::PathLayout", "от ключа: %1").arg(turn), smallFont, line(NameBottom, TurnBottom), Align::Centre, Ink,
              Frame);
        place(QCoreApplication::translate("velista::PathLayout", "счётчик: %1").arg(shot.counters[i]), smallFont, line(TurnBottom, CounterBottom),
              Align::Centre, Ink, Frame);
        place(QCoreApplication::translate("velista::PathLayout", "вход"), smallFont,
              QRectF(x - 0.3 * g, y(RowLabelTop), c + 0.3 * g, (RowLabelBottom - RowLabelTop) * c), Align::Centre, Ink,
              Frame);
        place(QCoreApplication::translate("velista::PathLayout", "выход"), smallFont,
              QRectF(x + c, y(RowLabelTop), c + 0.3 * g, (RowLabelBottom - RowLabelTop) * c), Align::Centre, Ink,
              Frame);
        for (int row = PathSnapshot::Entry; row <= PathSnapshot::Exit; ++row) {
            const PathSnapshot::Column& column = shot.columns[i][std::size_t(row)];
            const QColor& colour = column.used ? Ink : Faded;
            for (int r = 0; r < PathSnapshot::Rows; ++r) {
                const QRectF box(columnX(k, row), rowsTop + r * c, c, c);
                const QColor& fill = r == PathSnapshot::Reach && column.used ? Highlight : Paper;
                layout.boxes.push_back({box, fill, CellBorder, 1, 0});
                const int position = ((column.centre + r - PathSnapshot::Reach) % RowLength + RowLength) % RowLength;
                place(QString::number(position), numberFont,
                      QRectF(box.left() + 0.06 * c, box.top() + 0.02 * c, c * 0.88, c * BandHeight), Align::Left,
                      colour, fill);
                symbol(column.symbols[std::size_t(r)], box, colour, fill);
            }
        }
    }

    // The ends: the input symbol where the path starts, the output where it ends.
    const qreal rightEnd = left + 11 * c + 6 * g;
    const auto endBox = [&](qreal x, Symbol s, const QString& label) {
        const QRectF box(x, middleY - c / 2, c, c);
        layout.boxes.push_back({box, Highlight, Ink, std::max(2.0, c * 0.06), 0});
        symbol(s, box, Ink, Highlight);
        place(label, smallFont, QRectF(box.left(), box.bottom() + 0.05 * c, c, 0.45 * c),
              Align::Centre, Ink, Paper);
        return box;
    };
    const QRectF input = endBox(encipher ? left : rightEnd, shot.path.input, QCoreApplication::translate("velista::PathLayout", "вход"));
    const QRectF output = endBox(encipher ? rightEnd : left, shot.path.output, QCoreApplication::translate("velista::PathLayout", "выход"));
    if (!shot.inAlphabet) {
        const QRectF room(Margin, y(HopLabelTop), w - 2 * Margin, (HopLabelBottom - HopLabelTop) * c);
        place(NoteText(), type.note, room, Align::Centre, Ink, Paper);
        return layout;
    }

    // The path: the input to the first used cell, each hop in its colour from the cell the symbol leaves to
    // the cell it reaches, within a slot an arrowhead from the row it arrived on to the row it leaves by,
    // and the last cell to the output. Every arrow points the way the path goes.
    const qreal lineWidth = std::max(2.0, c * 0.09);
    const int firstSlot = encipher ? 1 : SlotCount;
    const int lastSlot = encipher ? SlotCount : 1;
    const int leavingRow = encipher ? PathSnapshot::Exit : PathSnapshot::Entry;
    const int reachedRow = encipher ? PathSnapshot::Entry : PathSnapshot::Exit;
    // The side of a cell a line going the path's way leaves by, and the side it reaches.
    const auto exitSide = [&](int slot, int row) { return QPointF(columnX(slot, row) + (encipher ? c : 0), middleY); };
    const auto entrySide = [&](int slot, int row) { return QPointF(columnX(slot, row) + (encipher ? 0 : c), middleY); };
    layout.arrows.push_back({QPointF(encipher ? input.right() : input.left(), middleY),
                             entrySide(firstSlot, leavingRow), Ink, lineWidth});
    for (std::size_t hop = 0; hop < shot.path.hops.size(); ++hop) {
        const int from = shot.path.hops[hop].slot;
        const int to = from + layout.direction;
        const QColor& colour = HopColours[hop];
        const QRectF leaving(columnX(from, leavingRow), rowsTop + PathSnapshot::Reach * c, c, c);
        const QRectF reached(columnX(to, reachedRow), rowsTop + PathSnapshot::Reach * c, c, c);
        layout.boxes.push_back({leaving.adjusted(1, 1, -1, -1), QColor(), colour, lineWidth, 0});
        layout.boxes.push_back({reached.adjusted(1, 1, -1, -1), QColor(), colour, lineWidth, 0});
        const QPointF start = exitSide(from, leavingRow);
        const QPointF end = entrySide(to, reachedRow);
        layout.arrows.push_back({start, end, colour, lineWidth});
        const qreal middle = (start.x() + end.x()) / 2;
        place(QCoreApplication::translate("velista::PathLayout", "ход %1").arg(hop + 1), smallFont,
              QRectF(middle - c - 0.45 * g, y(HopLabelTop), 2 * c + 0.9 * g, (HopLabelBottom - HopLabelTop) * c),
              Align::Centre, colour, Paper);
        // Inside the slot reached, the same symbol is looked up in its other row: an arrowhead on the line
        // between the two rows.
        if (to != lastSlot) {
            const qreal between = entryX(to) + c;
            const qreal head = lineWidth * 1.8;
            layout.arrows.push_back({QPointF(between - layout.direction * head, middleY),
                                     QPointF(between + layout.direction * head, middleY), Ink, lineWidth * 0.6});
        }
    }
    layout.arrows.push_back({exitSide(lastSlot, reachedRow),
                             QPointF(encipher ? output.left() : output.right(), middleY), Ink, lineWidth});
    return layout;
}

}  // namespace velista
