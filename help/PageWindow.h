// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A help window: a frame around one browser that shows a page from the program's folder. It opens at its
// designed size and can be made larger for a projector or smaller; a dialog to screen readers, closed
// by Escape, and read from the keyboard (arrows and Page Up/Down scroll, Tab walks the links, Enter
// follows one).

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>

namespace velista {

class PageBrowser;

class PageWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the window centred on the screen (clear of keepClear, the main window's menu bar in global
    // coordinates, when centred it would cover it), fits the browser to it, and opens the page: what
    // happens each time the window is opened anew.
    void Load(const QRect& keepClear = QRect());

    // The program's folder, a separator and the page's file name, built anew at every call. A folder that
    // already ends with a separator (the root of a drive) gives two in a row, which the browser accepts.
    QString PagePath() const;

    // The browser's width or height for a client width or height: 10 twips less, never below zero.
    static int BrowserExtent(int clientPixels);

    static constexpr QChar PathSeparator =
#ifdef _WIN32
        u'\\';
#else
        u'/';
#endif

protected:
    PageWindow(QString programFolder, QString pageName, QSize clientTwips, int browserTopTwips,
               const QString& browserName);

    PageBrowser* Browser() const { return browser_; }
    void resizeEvent(QResizeEvent* event) override;

private:
    void ResizeStep();

    QString programFolder_;
    QString pageName_;
    PageBrowser* browser_;
};

}  // namespace velista
