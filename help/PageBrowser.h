// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The browser of a help window: shows a local HTML page, names it, and tells when loading has ended.

#include <QTextBrowser>

namespace velista {

class PageBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit PageBrowser(QWidget* parent = nullptr);

    // Opens the page at a plain file system path. The end of loading is signalled from the event loop,
    // as a browser does once it has fetched the page, also when the page could not be opened.
    void Navigate(const QString& path);
    // The path last given to Navigate.
    QString Location() const { return location_; }
    // The page's title; for a page without one (or none at all), the file name of the location.
    QString LocationName() const;

signals:
    void DownloadComplete();

private:
    QString location_;
};

}  // namespace velista
