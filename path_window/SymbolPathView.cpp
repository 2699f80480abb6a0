// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/SymbolPathView.h"

#include "path_window/SymbolLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace velista {

namespace {

void DrawArrow(QPainter& painter, const PathLayout::Arrow& arrow)
{
    painter.setPen(QPen(arrow.colour, arrow.width, Qt::SolidLine, Qt::RoundCap));
    const QPointF along = arrow.to - arrow.from;
    const qreal length = std::hypot(along.x(), along.y());
    if (length <= 0)
        return;
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    const qreal head = std::min(arrow.width * 3, length);
    if (length > head)
        painter.drawLine(arrow.from, arrow.to - unit * head * 0.5);
    QPainterPath tip;
    tip.moveTo(arrow.to);
    tip.lineTo(arrow.to - unit * head + across * head * 0.6);
    tip.lineTo(arrow.to - unit * head - across * head * 0.6);
    tip.closeSubpath();
    painter.fillPath(tip, arrow.colour);
}

}  // namespace

SymbolPathView::SymbolPathView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("pathView");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, PathLayout::Paper);
    palette.setColor(QPalette::WindowText, PathLayout::Ink);
    setPalette(palette);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Reached by Tab, so that a screen reader reads what it shows.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Рисунок пути символа"));
    // A run at full speed changes the drawing every frame: a screen reader is told at most twice a second,
    // and always of the last state.
    descriptionPause_.setSingleShot(true);
    descriptionPause_.setInterval(500);
    connect(&descriptionPause_, &QTimer::timeout, this, &SymbolPathView::AnnounceDescription);
}

// Cells about 2.4 lines of the window's type high: 1000 × 450 pixels at 14 points, and as much larger as
// the type is. The least size keeps cells of 16 pixels, where the drawing is small but nothing overlaps.
QSize SymbolPathView::sizeHint() const
{
    return PathLayout::AreaFor(2.4 * fontMetrics().height()).toSize();
}

QSize SymbolPathView::minimumSizeHint() const { return PathLayout::AreaFor(16).toSize(); }

void SymbolPathView::Show(const PathSnapshot& snapshot)
{
    if (snapshot_ && *snapshot_ == snapshot && message_.isEmpty())
        return;
    snapshot_ = snapshot;
    message_.clear();
    SetDescription(Summary(snapshot));
    // update() rather than repaint(): several changes within a frame are drawn once.
    update();
}

void SymbolPathView::ShowMessage(const QString& message)
{
    if (!snapshot_ && message_ == message)
        return;
    snapshot_.reset();
    message_ = message;
    SetDescription(message);
    update();
}

void SymbolPathView::SetDescription(const QString& description)
{
    pendingDescription_ = description;
    // The latest goes out when the pause ends.
    if (descriptionPause_.isActive())
        return;
    AnnounceDescription();
}

void SymbolPathView::AnnounceDescription()
{
    if (accessibleDescription() == pendingDescription_)
        return;
    // Qt tells the screen reader of the change.
    setAccessibleDescription(pendingDescription_);
    descriptionPause_.start();
}

QString SymbolPathView::Summary(const PathSnapshot& shot)
{
    const bool encipher = shot.direction == CipherDirection::Encipher;
    QString text = QStringLiteral("%1: %2 → %3.")
                       .arg(encipher ? tr("Шифрование") : tr("Дешифрация"),
                            SymbolLabel::Spoken(shot.path.input), SymbolLabel::Spoken(shot.path.output));
    if (!shot.inAlphabet)
        return text + tr(" Символа нет в алфавите машины: он проходит без изменений.");
    Symbol entering = shot.path.input;
    for (std::size_t hop = 0; hop < shot.path.hops.size(); ++hop) {
        const SymbolHop& made = shot.path.hops[hop];
        text += tr(" Ход %1, гнездо %2 → %3: %4, позиция %5, получается %6.")
                    .arg(hop + 1)
                    .arg(made.slot)
                    .arg(made.slot + (encipher ? 1 : -1))
                    .arg(SymbolLabel::Spoken(entering))
                    .arg(made.position)
                    .arg(SymbolLabel::Spoken(made.reached));
        entering = made.reached;
    }
    return text;
}

PathLayout SymbolPathView::Layout() const
{
    if (!snapshot_)
        return {};
    // A run changes the snapshot every frame; the fonts change only with the size or the type.
    if (!type_ || type_->area != QSizeF(size()) || type_->base != font())
        type_ = PathLayout::FitType(QSizeF(size()), font());
    return PathLayout::Make(*snapshot_, *type_);
}

bool SymbolPathView::event(QEvent* event)
{
    // A symbol's code point and script, for the look-alikes of the two alphabets.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const PathLayout layout = Layout();
        for (const PathLayout::Text& text : layout.texts) {
            if (!text.toolTip.isEmpty() && text.ink.adjusted(-4, -4, 4, 4).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), text.toolTip, this, text.ink.toAlignedRect());
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void SymbolPathView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
    if (!snapshot_) {
        QFont big = font();
        big.setPixelSize(std::max(14, height() / 12));
        painter.setFont(big);
        painter.setPen(PathLayout::Ink);
        painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    const PathLayout layout = Layout();
    for (const PathLayout::Box& box : layout.boxes) {
        painter.setPen(QPen(box.outline, box.outlineWidth));
        painter.setBrush(box.fill.isValid() ? QBrush(box.fill) : QBrush(Qt::NoBrush));
        if (box.radius > 0)
            painter.drawRoundedRect(box.rect, box.radius, box.radius);
        else
            painter.drawRect(box.rect);
    }
    for (const PathLayout::Text& text : layout.texts) {
        painter.setFont(text.font);
        painter.setPen(text.colour);
        painter.drawText(text.baseline, text.text);
    }
    for (const PathLayout::Arrow& arrow : layout.arrows)
        DrawArrow(painter, arrow);
}

}  // namespace velista
