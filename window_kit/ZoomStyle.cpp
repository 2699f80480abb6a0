// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/ZoomStyle.h"

#include "window_kit/DesignZoom.h"

#include <QWidget>

namespace velista {

namespace {

bool GrowsWithZoom(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
    case QStyle::PM_ButtonIconSize:
    case QStyle::PM_SmallIconSize:
        return true;
    default:
        return false;
    }
}

}  // namespace

ZoomStyle::ZoomStyle(const QString& key)
    : QProxyStyle(key)
{
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (widget == nullptr || !GrowsWithZoom(metric))
        return size;
    const double factor = AppliedZoom(widget->window());
    return factor == 1.0 ? size : qRound(size * factor);
}

}  // namespace velista
