// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's style, with the sizes it gives check boxes, radio buttons, scroll bars and the icons of
// buttons and menus multiplied by the zoom of the window they stand in: at 200 % they stay in proportion to
// the type beside them. At 100 % every size is the style's own.

#include <QProxyStyle>

namespace velista {

class ZoomStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps the style of that name (QStyleFactory's key), as the application's style is made.
    explicit ZoomStyle(const QString& key);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace velista
