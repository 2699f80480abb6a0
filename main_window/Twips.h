#pragma once
// The window is designed in twips; 15 twips make one device-independent pixel, so the window follows
// the screen's scaling.

#include <QRect>
#include <QtMath>

namespace velista {

inline constexpr int TwipsPerPixel = 15;

inline int Px(int twips) { return qRound(twips / double(TwipsPerPixel)); }

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace velista
