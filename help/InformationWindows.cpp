#include "InformationWindows.h"

#include "Form4.h"
#include "frmAbout.h"
#include "frmBrowser.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace velista {

namespace {

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
        browser_ = new frmBrowser(programFolder_);
        browser_->Load();
    }
    return browser_;
}

Form4* InformationWindows::ShowHelp()
{
    if (help_) {
        BringToFront(help_);
    } else {
        help_ = new Form4(programFolder_);
        help_->Load();
    }
    return help_;
}

frmAbout* InformationWindows::ShowAbout()
{
    if (about_) {
        BringToFront(about_);
    } else {
        about_ = new frmAbout(registry_, launcher_);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            about_->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, about_->size(),
                                                    screen->availableGeometry()));
        about_->show();
    }
    return about_;
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
