// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a window wholly on a screen: no larger than the screen's available area, frame included, and moved
// the least it takes to lie within it. Every window of the program passes here when it is shown and when
// the zoom changes, on the screen the main window is on.

#include <QMargins>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace velista {

// The largest client size not above wanted whose frame fits into available.
QSize FitClientSize(QSize wanted, const QMargins& frame, const QRect& available);
// The client rectangle moved the least so that its frame lies within available; a frame larger than
// available keeps its top-left corner (the title bar) on it.
QRect KeepWithin(const QRect& client, const QMargins& frame, const QRect& available);

// The frame the window manager puts around the window, or, before it has told, a title bar of the style's
// height (what it adds when it shows the window).
QMargins WindowFrame(const QWidget& window);

// Shrinks the top-level window to the screen's available area: a fixed-size window gets a smaller fixed
// size; a window laid out larger than the area at its least gets its contents put into a scroll area
// (once: the scroll area stays, and shows no scroll bar where the contents fit). Without a screen, the
// primary one.
void FitSize(QWidget& window, const QScreen* screen);
// FitSize, then moves the window onto the available area: the least it takes, or, for a window never
// placed yet, to its centre.
void FitOnScreen(QWidget& window, const QScreen* screen);

}  // namespace velista
