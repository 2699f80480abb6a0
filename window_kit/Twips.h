// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window geometry is given in twips; the windows are laid out in device-independent pixels, 15 twips each,
// so that they follow the screen's scaling.

#include <QRect>
#include <QSize>
#include <QtMath>

namespace velista {

inline constexpr int TwipsPerPixel = 15;

inline int TwipsToPixels(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

inline QSize TwipsSize(int width, int height)
{
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace velista
