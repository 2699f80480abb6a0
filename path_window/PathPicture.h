// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The path window's caption, drawing and table as one picture to hand out: a PNG at print resolution, an
// SVG that scales without steps (where Qt Svg is built in: VELISTA_PATH_PICTURE_SVG), or an image for the
// clipboard.

#include <QByteArray>
#include <QImage>
#include <QSize>

class QPainter;

namespace velista {

class SymbolPathWindow;

class PathPicture {
public:
    // 300 dots an inch: a drawing the width of the window fills an A4 page's width in print.
    static constexpr int PrintDotsPerInch = 300;

    explicit PathPicture(const SymbolPathWindow& window) : window_(window) {}

    // The picture in the window's own pixels.
    QSize LogicalSize() const;
    // The picture at print resolution.
    QImage Image() const;
    QByteArray Png() const;
#if VELISTA_PATH_PICTURE_SVG
    QByteArray Svg() const;
#endif

private:
    // Paints the picture at its logical size, on white.
    void Paint(QPainter& painter) const;
    int CaptionHeight() const;

    const SymbolPathWindow& window_;
};

}  // namespace velista
