// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/ThreeDPanel.h"

#include <QPainter>

namespace velista {

ThreeDPanel::ThreeDPanel(QWidget* parent, const QString& caption)
    : QFrame(parent)
    , caption_(caption)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

void ThreeDPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

}  // namespace velista
