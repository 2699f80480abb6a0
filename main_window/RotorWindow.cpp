// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/RotorWindow.h"

#include <QPainter>

namespace velista {

namespace {
// Rows of the window's font, as the designed window is tall enough for 22 of them.
constexpr int DesignRowHeight = 13;
// A dark grey: 7.4:1 against the light grey face by the WCAG luminance, readable on a classroom projector
// (the classic disabled grey, #6D6D6D, gives 3.9:1), and still lighter than the black of live text.
const QColor DisabledText(68, 68, 68);
}  // namespace

RotorWindow::RotorWindow(QWidget* parent)
    : QFrame(parent)
    , rowHeight_(DesignRowHeight)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void RotorWindow::SetZoom(double factor)
{
    rowHeight_ = qRound(DesignRowHeight * factor);
    update();
}

void RotorWindow::Clear()
{
    lines_.clear();
    update();
}

void RotorWindow::AppendLine(const QString& line)
{
    lines_.append(line);
    update();
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
