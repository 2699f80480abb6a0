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
    return QSize(36, 36) * zoom_;
}

void ThreeDButton::SetZoom(double factor)
{
    zoom_ = factor;
    updateGeometry();
    update();
}

void ThreeDButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const int margin = qRound(PictureMargin * zoom_);
    const QRect inside = rect().adjusted(margin, margin, -margin, -margin);
    const QSize pictureSize = picture_.availableSizes().value(0, QSize(32, 32)) * zoom_;
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    QRect captionArea = inside;
    if (!picture_.isNull()) {
        const bool face = pictureSize.width() > inside.width() / 2;
        QRect pictureArea = face ? rect() : QRect(inside.topLeft(), QSize(pictureSize.width(), inside.height()));
        const QPoint offset = isDown() ? QPoint(1, 1) : QPoint();
        if (zoom_ == 1.0) {
            picture_.paint(&painter, pictureArea.translated(offset), Qt::AlignCenter, mode);
        } else {
            // An icon is never drawn larger than its largest picture; zoomed, the picture is scaled up.
            const QRect target = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter,
                                                     pictureSize.boundedTo(pictureArea.size()), pictureArea);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(target.translated(offset), picture_.pixmap(pictureSize, devicePixelRatio(), mode));
        }
        if (!face)
            captionArea.setLeft(pictureArea.right() + margin);
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
        const int inset = qRound(4 * zoom_);
        focus.rect = rect().adjusted(inset, inset, -inset, -inset);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace velista
