// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/ThreeDButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velista {

namespace {
constexpr int PictureMargin = 3;
}  // namespace

ThreeDButton::ThreeDButton(QWidget* parent, const QIcon& picture, const QString& caption)
    : QAbstractButton(parent)
    , picture_(picture)
{
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
}

QSize ThreeDButton::sizeHint() const
{
    return {36, 36};
}

void ThreeDButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect inside = rect().adjusted(PictureMargin, PictureMargin, -PictureMargin, -PictureMargin);
    const QSize pictureSize = picture_.availableSizes().value(0, QSize(32, 32));
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    QRect captionArea = inside;
    if (!picture_.isNull()) {
        const bool face = pictureSize.width() > inside.width() / 2;
        QRect pictureArea = face ? rect() : QRect(inside.topLeft(), QSize(pictureSize.width(), inside.height()));
        const QPoint offset = isDown() ? QPoint(1, 1) : QPoint();
        picture_.paint(&painter, pictureArea.translated(offset), Qt::AlignCenter, mode);
        if (!face)
            captionArea.setLeft(pictureArea.right() + PictureMargin);
    }
    if (!text().isEmpty()) {
        if (isDown())
            captionArea.translate(1, 1);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(captionArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace velista
