// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/InformationWindows.h"

#include "help/Form4.h"
#include "help/frmAbout.h"
#include "help/frmBrowser.h"

#include "help/PlaceClearOf.h"
#include "window_kit/ScreenFit.h"
#include "window_kit/WindowZoom.h"

#include <QFileInfo>

namespace velista {

namespace {

// Once shown, the platform may tell the frame's real margins, which the placing could only guess.
void KeepOnScreen(QWidget* window) { FitOnScreen(*window, window->screen()); }

void BringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

InformationWindows::InformationWindows(QString programFolder, SystemRegistry& registry, ProgramLauncher& launcher)
    : programFolder_(std::move(programFolder))
    , registry_(registry)
    , launcher_(launcher)
{
}

QString InformationWindows::PageFolder(std::u16string_view pageName) const
{
    if (pageLanguage_ == QLocale::English) {
        const QString english = programFolder_ + PageWindow::PathSeparator + QLatin1String(EnglishPages);
        if (QFileInfo::exists(english + PageWindow::PathSeparator + QString::fromUtf16(pageName.data(), qsizetype(pageName.size()))))
            return english;
    }
    return programFolder_;
}

InformationWindows::~InformationWindows()
{
    // The windows have no owner window, so nothing else deletes the ones still open.
    delete browser_.data();
    delete help_.data();
    delete about_.data();
}

frmBrowser* InformationWindows::ShowBrowser()
{
    if (browser_) {
        BringToFront(browser_);
    } else {
        browser_ = new frmBrowser(PageFolder(frmBrowser::PageName));
        if (zoom_)
            zoom_->Follow(browser_);
        browser_->Load(KeepClear());
        KeepOnScreen(browser_);
    }
    return browser_;
}

Form4* InformationWindows::ShowHelp()
{
    if (help_) {
        BringToFront(help_);
    } else {
        help_ = new Form4(PageFolder(Form4::PageName));
        if (zoom_)
            zoom_->Follow(help_);
        help_->Load(KeepClear());
        KeepOnScreen(help_);
    }
    return help_;
}

frmAbout* InformationWindows::ShowAbout()
{
    if (about_) {
        BringToFront(about_);
    } else {
        about_ = new frmAbout(registry_, launcher_);
        PlaceWindowClearOf(*about_, KeepClear());
        about_->show();
        KeepOnScreen(about_);
    }
    return about_;
}

QRect InformationWindows::KeepClear() const
{
    return keepClear_ ? keepClear_() : QRect();
}

void InformationWindows::CloseAll()
{
    if (browser_)
        browser_->close();
    if (help_)
        help_->close();
    if (about_)
        about_->close();
}

}  // namespace velista
