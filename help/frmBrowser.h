// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window that shows how the machine works: the page "Велиста_М.htm", captioned with the page's title.

#include "help/PageWindow.h"

namespace velista {

class frmBrowser final : public PageWindow {
    Q_OBJECT

public:
    static constexpr auto PageName = u"Велиста_М.htm";

    explicit frmBrowser(QString programFolder);

    PageBrowser* brwWebBrowser() const { return Browser(); }

private:
    void brwWebBrowser_DownloadComplete();
};

}  // namespace velista
