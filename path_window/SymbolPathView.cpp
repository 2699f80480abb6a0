// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/SymbolPathView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace velista {

const std::array<QColor, 4> SymbolPathView::HopColours = {
    QColor(200, 0, 0),    // red
    QColor(0, 125, 40),   // green
    QColor(0, 60, 200),   // blue
    QColor(150, 0, 150),  // purple
};

namespace {

// A space shows as an open box: a blank cell would read as an empty one.
QString Shown(Symbol symbol) { return symbol == u' ' ? QStringLiteral("␣") : QString(QChar(symbol)); }

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    const qreal direction = to.x() >= from.x() ? 1 : -1;
    const qreal head = width * 3;
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to.x() - direction * head, to.y() - head * 0.6);
    tip.lineTo(to.x() - direction * head, to.y() + head * 0.6);
    tip.closeSubpath();
    painter.fillPath(tip, colour);
}

}  // namespace

SymbolPathView::SymbolPathView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("pathView");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize SymbolPathView::sizeHint() const { return {1100, 420}; }
QSize SymbolPathView::minimumSizeHint() const { return {560, 240}; }

void SymbolPathView::Show(const PathSnapshot& snapshot)
{
    if (snapshot_ && *snapshot_ == snapshot && message_.isEmpty())
        return;
    snapshot_ = snapshot;
    message_.clear();
    // update() rather than repaint(): several changes within a frame are drawn once.
    update();
}

void SymbolPathView::ShowMessage(const QString& message)
{
    if (!snapshot_ && message_ == message)
        return;
    snapshot_.reset();
    message_ = message;
    update();
}

void SymbolPathView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    QFont big = font();
    if (!snapshot_) {
        big.setPixelSize(std::max(14, int(h / 12)));
        painter.setFont(big);
        painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    const PathSnapshot& shot = *snapshot_;
    const bool encipher = shot.direction == CipherDirection::Encipher;

    // Twelve columns of cells: the input, two rows for each of the five slots, the output; a gap of a
    // third of a cell between the slots.
    const qreal margin = 8;
    const qreal gaps = 6;
    const qreal cell = std::min((w - 2 * margin) / (12 + gaps * 0.8), (h - 2 * margin) / (PathSnapshot::Rows + 3.6));
    // Spare width goes into the gaps between the slots, where the hops are drawn.
    const qreal gap = std::clamp((w - 2 * margin - 14 * cell) / gaps, cell * 0.8, cell * 2.0);
    const qreal totalWidth = 12 * cell + gaps * gap;
    const qreal left = (w - totalWidth) / 2;
    const qreal headerHeight = cell * 2.5;
    const qreal top = std::max((h - headerHeight - PathSnapshot::Rows * cell - cell) / 2, cell * 0.5) + headerHeight;
    const qreal middleY = top + PathSnapshot::Reach * cell + cell / 2;
    // x of column c: 0 the left end box, 1 to 10 the slots' rows, 11 the right end box.
    const auto columnX = [&](int c) { return left + c * cell + (c + 1) / 2 * gap; };
    const auto slotColumn = [&](int slot, int row) { return 1 + 2 * (slot - 1) + row; };

    QFont symbolFont = font();
    symbolFont.setPixelSize(std::max(10, int(cell * 0.55)));
    symbolFont.setBold(true);
    QFont smallFont = font();
    smallFont.setPixelSize(std::max(9, int(cell * 0.3)));
    smallFont.setBold(false);

    painter.setFont(smallFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(margin, margin / 2, w - 2 * margin, cell * 0.45), Qt::AlignLeft | Qt::AlignVCenter,
                     encipher ? QStringLiteral("Шифрование: слева направо. «от ключа» — на сколько шагов ротор "
                                               "повернулся от положения ключа.")
                              : QStringLiteral("Дешифрация: справа налево. «от ключа» — на сколько шагов ротор "
                                               "повернулся от положения ключа."));

    // The slots: a heading with the counter and the turn from the key, and the two rows.
    for (int k = 1; k <= SlotCount; ++k) {
        const auto i = std::size_t(k - 1);
        const qreal x = columnX(slotColumn(k, PathSnapshot::Entry));
        const QRectF heading(x - gap * 0.4, top - headerHeight, 2 * cell + gap * 0.8, headerHeight - cell * 0.15);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(235, 235, 235));
        painter.drawRoundedRect(QRectF(heading.left(), heading.top(), heading.width(),
                                       headerHeight + PathSnapshot::Rows * cell + cell * 0.25),
                                cell * 0.15, cell * 0.15);
        QFont headingFont = symbolFont;
        headingFont.setPixelSize(std::max(10, int(cell * 0.42)));
        painter.setFont(headingFont);
        painter.drawText(QRectF(heading.left(), heading.top(), heading.width(), cell * 0.8), Qt::AlignCenter,
                         QStringLiteral("Гнездо %1").arg(k));
        painter.setFont(smallFont);
        const QString turn = shot.turnsFromKey[i] < 0 ? QStringLiteral("—") : QString::number(shot.turnsFromKey[i]);
        painter.drawText(QRectF(heading.left(), heading.top() + cell * 0.8, heading.width(), cell * 0.45),
                         Qt::AlignCenter, QStringLiteral("от ключа: %1").arg(turn));
        painter.drawText(QRectF(heading.left(), heading.top() + cell * 1.25, heading.width(), cell * 0.45),
                         Qt::AlignCenter, QStringLiteral("счётчик: %1").arg(shot.counters[i]));
        painter.drawText(QRectF(x - gap * 0.3, top - cell * 0.5, cell + gap * 0.3, cell * 0.45), Qt::AlignCenter,
                         QStringLiteral("вход"));
        painter.drawText(QRectF(x + cell, top - cell * 0.5, cell + gap * 0.3, cell * 0.45), Qt::AlignCenter,
                         QStringLiteral("выход"));
        for (int row = PathSnapshot::Entry; row <= PathSnapshot::Exit; ++row) {
            const PathSnapshot::Column& column = shot.columns[i][std::size_t(row)];
            const qreal cx = columnX(slotColumn(k, row));
            for (int r = 0; r < PathSnapshot::Rows; ++r) {
                const QRectF box(cx, top + r * cell, cell, cell);
                const bool centre = r == PathSnapshot::Reach;
                painter.setPen(QPen(Qt::gray, 1));
                painter.setBrush(centre && column.used ? QColor(255, 250, 200) : QColor(Qt::white));
                painter.drawRect(box);
                const int position = ((column.centre + r - PathSnapshot::Reach) % RowLength + RowLength) % RowLength;
                painter.setPen(column.used ? QColor(Qt::black) : QColor(150, 150, 150));
                painter.setFont(smallFont);
                painter.drawText(box.adjusted(2, 1, -2, 0), Qt::AlignTop | Qt::AlignLeft, QString::number(position));
                painter.setFont(symbolFont);
                painter.drawText(box.adjusted(0, cell * 0.18, 0, 0), Qt::AlignCenter,
                                 Shown(column.symbols[std::size_t(r)]));
            }
        }
    }

    // The ends: the input symbol where the path starts, the output where it ends.
    const int inputColumn = encipher ? 0 : 11;
    const int outputColumn = encipher ? 11 : 0;
    const auto endBox = [&](int column, Symbol symbol, const QString& label) {
        const QRectF box(columnX(column) + (column == 0 ? -gap * 0.5 : gap * 0.5), middleY - cell / 2, cell, cell);
        painter.setPen(QPen(Qt::black, 3));
        painter.setBrush(QColor(255, 250, 200));
        painter.drawRect(box);
        painter.setFont(symbolFont);
        painter.drawText(box, Qt::AlignCenter, Shown(symbol));
        painter.setFont(smallFont);
        painter.drawText(QRectF(box.left() - cell * 0.5, box.bottom() + 2, box.width() + cell, cell * 0.45),
                         Qt::AlignCenter, label);
        return box;
    };
    const QRectF input = endBox(inputColumn, shot.path.input, QStringLiteral("вход"));
    const QRectF output = endBox(outputColumn, shot.path.output, QStringLiteral("выход"));
    if (!shot.inAlphabet) {
        painter.setFont(smallFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, top + PathSnapshot::Rows * cell + 4, w, cell), Qt::AlignCenter,
                         QStringLiteral("Символа нет в алфавите машины: он проходит без изменений."));
        return;
    }

    // The path: the input to the first used cell, each hop in its colour, within a slot from the row the
    // symbol arrived on to the row it leaves by, and the last cell to the output.
    const qreal lineWidth = std::max(2.0, cell * 0.09);
    const auto cellMiddle = [&](int slot, int row, bool towardsLeft) {
        const qreal x = columnX(slotColumn(slot, row));
        return QPointF(towardsLeft ? x : x + cell, middleY);
    };
    const int firstSlot = encipher ? 1 : SlotCount;
    const int firstRow = encipher ? PathSnapshot::Exit : PathSnapshot::Entry;
    const int lastRow = encipher ? PathSnapshot::Entry : PathSnapshot::Exit;
    const int lastSlot = encipher ? SlotCount : 1;
    // Going right, a line leaves a cell's right side and reaches the next cell's left side.
    const auto leaveOf = [&](int slot, int row) { return cellMiddle(slot, row, !encipher); };
    const auto reachOf = [&](int slot, int row) { return cellMiddle(slot, row, encipher); };
    Arrow(painter, QPointF(encipher ? input.right() : input.left(), middleY), reachOf(firstSlot, firstRow), Qt::black,
          lineWidth);
    for (std::size_t hop = 0; hop < shot.path.hops.size(); ++hop) {
        const int from = shot.path.hops[hop].slot;
        const int to = encipher ? from + 1 : from - 1;
        const QColor& colour = HopColours[hop];
        const QRectF leaving(columnX(slotColumn(from, firstRow)), top + PathSnapshot::Reach * cell, cell, cell);
        const QRectF reached(columnX(slotColumn(to, lastRow)), top + PathSnapshot::Reach * cell, cell, cell);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, lineWidth));
        painter.drawRect(leaving.adjusted(1, 1, -1, -1));
        painter.drawRect(reached.adjusted(1, 1, -1, -1));
        Arrow(painter, leaveOf(from, firstRow), reachOf(to, lastRow), colour, lineWidth);
        painter.setFont(smallFont);
        painter.setPen(colour);
        const qreal labelX = std::min(leaveOf(from, firstRow).x(), reachOf(to, lastRow).x());
        painter.drawText(QRectF(labelX - cell, top + PathSnapshot::Rows * cell + 2, gap + 2 * cell, cell * 0.45),
                         Qt::AlignCenter, QStringLiteral("ход %1").arg(hop + 1));
        // Inside the next slot the same symbol is looked up in its other row.
        if (to != lastSlot)
            Arrow(painter, leaveOf(to, lastRow), reachOf(to, firstRow), Qt::black, lineWidth * 0.6);
    }
    Arrow(painter, leaveOf(lastSlot, lastRow), QPointF(encipher ? output.left() : output.right(), middleY), Qt::black,
          lineWidth);
}

}  // namespace velista
