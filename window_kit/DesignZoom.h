// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's designed sizes, recorded on its controls as they are built, and applied again at a zoom
// factor: at 1 every control stands exactly where the design puts it, at 2 every rectangle and every font
// is twice as large. The records are dynamic properties, so a window needs no list of its own and a control
// added later by any part of the program zooms as soon as it records its design.

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace velista {

// A designed rectangle in twips at a zoom, in pixels. Its edges are scaled rather than its size, so that
// controls that touch or leave one pixel between them in the design still do when zoomed.
QRect ZoomedTwipsRect(const QRect& twips, double factor);
int ZoomedTwips(int twips, double factor);

// Each records a design on the control and applies it at the factor the control's window was last
// zoomed to (1 before any zoom).
void PlaceDesigned(QWidget* control, const QRect& twips);
void SetDesignFont(QWidget* control, const QFont& font);
void SetDesignFixedWidth(QWidget* control, int twips);
void SetDesignMinimumWidth(QWidget* control, int twips);
void SetDesignFixedHeight(QWidget* control, int twips);
void SetDesignFixedSize(QWidget* window, const QSize& twips);
// The size, in pixels at 100 %, a resizable window opens at.
void SetDesignInitialSize(QWidget* window, const QSize& pixels);

// Records, for a window built at 100 % by code that knows nothing of the zoom, what it was built with: the
// window's font and size, the fonts set on its parts, and the widths and heights fixed on them. Designs
// already recorded stay. Call before the window is first zoomed.
void RecordBuiltDesign(QWidget* window);

// Notes a window's size, cut to its screen, as still the one the zoom gave it, when it was that before.
// At the next zoom such a window takes its size at 100 % (the design's, or the one the user gave it at
// an earlier zoom, scaled back) times the new factor; a window the user resized since takes its own.
void KeepZoomedSize(QWidget* window, const QSize& before);

// Applies every design recorded on root and the widgets below it at factor. A resizable window that was
// zoomed before keeps the size the user gave it, scaled by the change of the factor.
void ApplyZoom(QWidget* root, double factor);
// The factor root was last zoomed to; 1 before any zoom.
double AppliedZoom(const QWidget* root);

}  // namespace velista
