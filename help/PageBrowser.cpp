// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/PageBrowser.h"

#include <QFileInfo>
#include <QUrl>

namespace velista {

PageBrowser::PageBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(true);
}

void PageBrowser::Navigate(const QString& path)
{
    location_ = path;
    // A page that cannot be opened leaves the browser empty rather than showing what it showed before.
    clear();
    setSource(QUrl::fromLocalFile(path));
    QMetaObject::invokeMethod(this, &PageBrowser::DownloadComplete, Qt::QueuedConnection);
}

QString PageBrowser::LocationName() const
{
    const QString title = documentTitle();
    if (!title.isEmpty())
        return title;
    return QFileInfo(location_).fileName();
}

}  // namespace velista
