// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/Form4.h"

#include "help/PageBrowser.h"

namespace velista {

Form4::Form4(QString programFolder)
    : PageWindow(std::move(programFolder), QString::fromUtf16(PageName), QSize(9060, 3795), 0,
                 QStringLiteral("WebBrowser"))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Справка"));
    WebBrowser()->setAccessibleName(tr("Справка по программе"));
}

}  // namespace velista
