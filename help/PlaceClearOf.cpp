// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/PlaceClearOf.h"

#include "window_kit/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <array>

namespace velista {

QRect PlaceClearOf(QSize client, const QMargins& frame, const QRect& screen, const QRect& keepClear)
{
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client, screen);
    if (keepClear.isEmpty())
        return centred;
    const QSize outer = client.grownBy(frame);
    // Top-left corners of the whole frame.
    const QPoint centredFrame = centred.topLeft() - QPoint(frame.left(), frame.top());
    const std::array<QPoint, 5> corners = {
        centredFrame,
        QPoint(centredFrame.x(), keepClear.bottom() + 1),
        QPoint(centredFrame.x(), keepClear.top() - outer.height()),
        QPoint(keepClear.right() + 1, centredFrame.y()),
        QPoint(keepClear.left() - outer.width(), centredFrame.y()),
    };
    for (const QPoint& corner : corners) {
        const QRect placed(corner, outer);
        if (screen.contains(placed) && !placed.intersects(keepClear))
            return QRect(corner + QPoint(frame.left(), frame.top()), client);
    }
    return centred;
}

void PlaceWindowClearOf(QWidget& window, const QRect& keepClear)
{
    const QScreen* screen = keepClear.isEmpty() ? nullptr : QGuiApplication::screenAt(keepClear.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // A zoomed window larger than the screen is made to fit it first.
    FitSize(window, screen);
    const QMargins frame = WindowFrame(window);
    window.setGeometry(PlaceClearOf(window.size(), frame, screen->availableGeometry(), keepClear));
}

}  // namespace velista
