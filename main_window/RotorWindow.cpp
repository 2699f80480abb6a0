// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/RotorWindow.h"

#include "main_window/RotorWindowAccessible.h"

#include <QAccessible>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace velista {

namespace {
// Rows of the window's font, as the designed window is tall enough for 22 of them.
constexpr int DesignRowHeight = 13;
// A dark grey: 7.4:1 against the light grey face by the WCAG luminance, readable on a classroom projector
// (the classic disabled grey, #6D6D6D, gives 3.9:1), and still lighter than the black of live text.
const QColor DisabledText(68, 68, 68);
// A line is the symbol with three blanks on either side.
QChar SymbolOf(const QString& line)
{
    if (line.size() == 7)
        return line.at(3);
    const QString symbol = line.trimmed();
    return symbol.isEmpty() ? QChar(u' ') : symbol.front();
}
}  // namespace

RotorWindow::RotorWindow(QWidget* parent)
    : QFrame(parent)
    , rowHeight_(DesignRowHeight)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    // Before the first accessibility event of any rotor window: an interface, once made, is kept.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&RotorWindowAccessible::Factory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    announceTimer_ = new QTimer(this);
    announceTimer_->setSingleShot(true);
    announceTimer_->setInterval(AnnounceMilliseconds);
    connect(announceTimer_, &QTimer::timeout, this, &RotorWindow::Announce);
}

void RotorWindow::SetZoom(double factor)
{
    rowHeight_ = qRound(DesignRowHeight * factor);
    update();
}

void RotorWindow::Clear()
{
    lines_.clear();
    Changed();
}

void RotorWindow::AppendLine(const QString& line)
{
    lines_.append(line);
    Changed();
}

void RotorWindow::Changed()
{
    update();
    // The first change of a quiet window starts the wait; later ones within it are told together.
    if (!announceTimer_->isActive())
        announceTimer_->start();
}

void RotorWindow::Announce()
{
    const QString top = TopSymbol();
    const QString symbols = VisibleSymbols();
    if (symbols == announcedSymbols_ && top == announcedTop_)
        return;
    const QString before = announcedSymbols_;
    announcedTop_ = top;
    announcedSymbols_ = symbols;
    QAccessibleValueChangeEvent value(this, top);
    QAccessible::updateAccessibility(&value);
    QAccessibleTextUpdateEvent text(this, 0, before, symbols);
    QAccessible::updateAccessibility(&text);
    emit Announced(top);
}

int RotorWindow::VisibleLineCount() const
{
    const int height = contentsRect().height();
    return height <= 0 ? 0 : (height + rowHeight_ - 1) / rowHeight_;
}

QString RotorWindow::TopSymbol() const
{
    if (VisibleSymbols().isEmpty())
        return {};
    return QString(SymbolOf(lines_.front()));
}

QString RotorWindow::VisibleSymbols() const
{
    const int count = std::min<int>(VisibleLineCount(), int(lines_.size()));
    QStringList symbols;
    bool blank = true;
    for (int i = 0; i < count; ++i) {
        const QChar symbol = SymbolOf(lines_.at(i));
        blank = blank && symbol == u' ';
        symbols << QString(symbol);
    }
    // A rotor row holds one space among 135 symbols: a window of blanks only is not filled yet.
    return blank ? QString() : symbols.join(u'\n');
}

std::optional<QString> RotorWindow::TopLine() const
{
    if (lines_.isEmpty())
        return std::nullopt;
    return lines_.front();
}

void RotorWindow::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setFont(font());
    // The windows take no input, so their rows show in a grey of disabled text; the palette's own
    // disabled grey is too faint to read on the light grey face.
    painter.setPen(isEnabled() ? palette().color(QPalette::Text) : DisabledText);
    int top = area.top();
    for (const QString& line : lines_) {
        if (top > area.bottom())
            break;
        painter.drawText(QRect(area.left() + 1, top, area.width() - 1, rowHeight_), Qt::AlignLeft | Qt::AlignVCenter,
                         line);
        top += rowHeight_;
    }
}

}  // namespace velista
