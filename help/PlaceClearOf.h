// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where an information window opens: centred on the screen, unless there it would cover the main
// window's menu bar; then on the same screen, clear of it.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace velista {

// The client area of a window of that client size and frame margins on the screen's available area.
// Centred when the frame around it leaves keepClear uncovered (or keepClear is empty); otherwise the
// first of below, above, right of and left of keepClear where the whole frame fits on the screen;
// centred again when none fits.
QRect PlaceClearOf(QSize client, const QMargins& frame, const QRect& screen, const QRect& keepClear);

// Places a top-level window that is not yet shown so, on the screen that holds keepClear (the primary
// one when keepClear is empty). The frame margins are the platform's, or where it has given none yet,
// a title bar of the style's height, which the window manager adds when it shows the window.
void PlaceWindowClearOf(QWidget& window, const QRect& keepClear);

}  // namespace velista
