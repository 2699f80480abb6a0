// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmBrowser.h"

#include "help/PageBrowser.h"

namespace velista {

frmBrowser::frmBrowser(QString programFolder)
    : PageWindow(std::move(programFolder), QString::fromUtf16(PageName), QSize(9345, 5580), 30,
                 QStringLiteral("brwWebBrowser"))
{
    setObjectName(QStringLiteral("frmBrowser"));
    // The caption it has until the first page has loaded.
    setWindowTitle(QStringLiteral("Form2"));
    Browser()->setAccessibleName(tr("Описание машины"));
    connect(Browser(), &PageBrowser::DownloadComplete, this, &frmBrowser::brwWebBrowser_DownloadComplete);
}

void frmBrowser::brwWebBrowser_DownloadComplete()
{
    const QString name = Browser()->LocationName();
    if (!name.isEmpty())
        setWindowTitle(name);
}

}  // namespace velista
