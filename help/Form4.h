// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window that shows how to use the program: the page "Справка.htm" under the caption "Справка".

#include "help/PageWindow.h"

namespace velista {

class Form4 final : public PageWindow {
    Q_OBJECT

public:
    static constexpr auto PageName = u"Справка.htm";

    explicit Form4(QString programFolder);

    PageBrowser* WebBrowser() const { return Browser(); }
};

}  // namespace velista
