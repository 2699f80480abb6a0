// SPDX-License-Identifier: GPL-3.0-or-later
// The menu " Вид " (the zoom, the language) and the main window at the program's zoom: every designed rectangle and font multiplied
// by the zoom's factor, the window kept wholly on its screen, and the teaching windows following the zoom.

#include "main_window/Form1.h"

#include "main_window/RichTextBox.h"
#include "main_window/RotorWindow.h"
#include "main_window/StatusBar.h"
#include "main_window/UserDialogs.h"
#include "main_window/ThreeDButton.h"
#include "help/InformationWindows.h"
#include "window_kit/DesignZoom.h"
#include "window_kit/InterfaceLanguage.h"
#include "window_kit/ScreenFit.h"
#include "window_kit/WindowZoom.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace velista {

void Form1::CreateViewMenu()
{
    viewMenu = menuBar()->addMenu(tr(" Вид "));
    viewMenu->setObjectName("view");
    for (QAction* action : {zoom_->ZoomInAction(), zoom_->ZoomOutAction(), zoom_->ResetAction()}) {
        viewMenu->addAction(action);
        // The zoom's shortcuts answer in every window of the program while this one is shown.
        addAction(action);
    }
}

void Form1::ShowLanguageMenu(InterfaceLanguage& language, QLocale::Language spoken)
{
    if (languageMenu != nullptr)
        qFatal("Form1::ShowLanguageMenu: the menu is there already");
    viewMenu->addSeparator();
    // Named in both languages, so that a user who cannot read the interface's finds it.
    languageMenu = viewMenu->addMenu(QStringLiteral("Язык / Language"));
    languageMenu->setObjectName("languageMenu");
    languageMenu->setAccessibleName(QStringLiteral("Язык / Language"));
    languageMenu->addActions(language.Actions());
    informationWindows_->SetPageLanguage(spoken);
    connect(&language, &InterfaceLanguage::ChangesAtNextStart, this, [this] {
        // In both languages: the one the windows speak and the one they will.
        dialogs_.Information(this,
                             tr("Язык окон сменится при следующем запуске программы.\n"
                                            "The windows change their language at the next start of the program."),
                             QStringLiteral("Язык / Language"));
    });
}

void Form1::ZoomChanged(double factor)
{
    ApplyZoom(this, factor);
    for (RotorWindow* window : List2)
        window->SetZoom(factor);
    for (ThreeDButton* button : client_->findChildren<ThreeDButton*>())
        button->SetZoom(factor);
    for (RichTextBox* area : {RichTextBox1, RichTextBox2})
        area->SetZoom(factor);
    FitWindow();
}

// A window larger than its screen could not be seen whole nor moved to where it could: its client area
// scrolls instead. Limiting the zoom to what fits was the other way, but on the usual 1920 × 1080
// projector it would stop at 200 %, and at a doubled scale factor (a logical 960 × 540 screen) at 100 %,
// where the teacher who asks for 300 % needs the type, not the whole window, to be large.
void Form1::FitWindow()
{
    const double factor = zoom_->Factor();
    const QSize client(ZoomedTwips(designWidthTwips_ - 2 * FrameTwips, factor), ZoomedTwips(StatusBarTopTwips, factor));
    const int barHeight = ZoomedTwips(ClientHeightTwips - StatusBarTopTwips, factor);
    const QSize wanted(client.width(), menuBar()->sizeHint().height() + client.height() + barHeight);
    const QScreen* onScreen = OnScreen();
    const QSize fitted = onScreen ? FitClientSize(wanted, WindowFrame(*this), onScreen->availableGeometry()) : wanted;
    const bool scroll = fitted != wanted;

    QWidget* focus = focusWidget();
    if (scroll && scroller_ == nullptr) {
        takeCentralWidget();
        scroller_ = new QScrollArea;
        scroller_->setObjectName("clientScroller");
        scroller_->setFrameShape(QFrame::NoFrame);
        scroller_->setWidget(client_);
        setCentralWidget(scroller_);
    } else if (!scroll && scroller_ != nullptr) {
        scroller_->takeWidget();
        takeCentralWidget();
        delete scroller_;
        scroller_ = nullptr;
        setCentralWidget(client_);
    }
    client_->show();
    client_->setFixedHeight(client.height());
    if (scroll) {
        client_->setFixedWidth(client.width());
    } else {
        // As designed, the client area is as wide as the window, which the rotor-panel switch narrows.
        client_->setMinimumWidth(0);
        client_->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    if (focus != nullptr && focus != focusWidget())
        focus->setFocus();

    // The status bar's fixed panels stay within a window narrower than the zoomed design.
    ApplyZoom(StatusBar1, factor * std::min(1.0, double(fitted.width()) / wanted.width()));
    setFixedSize(fitted);
    fittedWidth_ = fitted.width();
    if (isVisible())
        FitOnScreen(*this, onScreen);
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FitWindow();
}

const QScreen* Form1::OnScreen() const
{
    // The screen under the window's centre: where the window manager or the user moved it last.
    if (const QScreen* under = QGuiApplication::screenAt(geometry().center()))
        return under;
    return screen();
}

void Form1::ShowTeachingWindow(QWidget* window, bool first)
{
    if (first) {
        zoom_->Follow(window);
        FitOnScreen(*window, OnScreen());
    } else if (!window->isVisible()) {
        FitOnScreen(*window, window->screen());
    }
    window->show();
    // Once shown, the platform may tell the frame's real margins, which the first fit could only guess.
    FitOnScreen(*window, window->screen());
}

}  // namespace velista
