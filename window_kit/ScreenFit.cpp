// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/ScreenFit.h"

#include "window_kit/DesignZoom.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScrollArea>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velista {

QSize FitClientSize(QSize wanted, const QMargins& frame, const QRect& available)
{
    const QSize room = available.size().shrunkBy(frame);
    return wanted.boundedTo(room.expandedTo(QSize(1, 1)));
}

QRect KeepWithin(const QRect& client, const QMargins& frame, const QRect& available)
{
    const QRect outer = client.marginsAdded(frame);
    // Right and bottom first, then left and top, so that the title bar stays reachable when nothing fits.
    const int x = std::max(std::min(outer.x(), available.right() + 1 - outer.width()), available.x());
    const int y = std::max(std::min(outer.y(), available.bottom() + 1 - outer.height()), available.y());
    return QRect(QPoint(x + frame.left(), y + frame.top()), client.size());
}

QMargins WindowFrame(const QWidget& window)
{
    QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame.setTop(window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return frame;
}

namespace {

const QScreen* OrPrimary(const QScreen* screen) { return screen != nullptr ? screen : QGuiApplication::primaryScreen(); }

// Moves the window's layout, with the widgets in it, into a scroll area that fills the window.
void ScrollContents(QWidget& window)
{
    QLayout* layout = window.layout();
    if (layout == nullptr || window.findChild<QScrollArea*>(QStringLiteral("zoomScroller"), Qt::FindDirectChildrenOnly))
        return;
    QWidget* focus = window.focusWidget();
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("zoomContents"));
    // Qt takes the layout off the window and gives its widgets to the new owner.
    contents->setLayout(layout);
    auto* scroller = new QScrollArea(&window);
    scroller->setObjectName(QStringLiteral("zoomScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(contents);
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);
    // The window's least size is the new layout's from now on, not the one the old layout had set.
    outer->activate();
    if (focus != nullptr)
        focus->setFocus();
}

}  // namespace

void FitSize(QWidget& window, const QScreen* screen)
{
    screen = OrPrimary(screen);
    if (screen == nullptr)
        return;
    const QMargins frame = WindowFrame(window);
    const QRect available = screen->availableGeometry();
    const bool fixed = window.minimumSize() == window.maximumSize();
    if (!fixed && window.layout() != nullptr) {
        // Laid out anew first: a font that has just changed shows in the least size only then.
        window.layout()->activate();
        QSize least = window.layout()->totalMinimumSize();
        // A layout whose height follows its width (wrapping captions) needs more height at the narrower
        // width the screen leaves it than at its widest lines.
        if (window.layout()->hasHeightForWidth()) {
            const int width = FitClientSize(window.size(), frame, available).width();
            least.setHeight(std::max(least.height(), window.layout()->totalMinimumHeightForWidth(width)));
        }
        if (FitClientSize(least, frame, available) != least)
            ScrollContents(window);
    }
    const QSize fitted = FitClientSize(window.size(), frame, available);
    if (fitted == window.size())
        return;
    const QSize before = window.size();
    if (fixed)
        window.setFixedSize(fitted);
    else
        window.resize(fitted);
    // A size cut to the screen is still the zoom's, not one the user chose.
    KeepZoomedSize(&window, before);
}

void FitOnScreen(QWidget& window, const QScreen* screen)
{
    screen = OrPrimary(screen);
    if (screen == nullptr)
        return;
    FitSize(window, screen);
    const QRect available = screen->availableGeometry();
    QRect client(window.geometry().topLeft(), window.size());
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved))
        client.moveCenter(available.center());
    const QRect placed = KeepWithin(client, WindowFrame(window), available);
    if (placed != window.geometry())
        window.setGeometry(placed);
}

}  // namespace velista
