// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help windows and the About box of the main window's help menu: each is opened on first use,
// brought to the front while it is open, and opened anew after it was closed.

#include <QLocale>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <string_view>

namespace velista {

class Form4;
class ProgramLauncher;
class SystemRegistry;
class WindowZoom;
class frmAbout;
class frmBrowser;

class InformationWindows {
public:
    // programFolder is where the help pages are; the registry and the launcher find and start the
    // system-information tool. Both must outlive this object.
    InformationWindows(QString programFolder, SystemRegistry& registry, ProgramLauncher& launcher);
    ~InformationWindows();
    InformationWindows(const InformationWindows&) = delete;
    InformationWindows& operator=(const InformationWindows&) = delete;

    // Menu "Велиста": the description of the machine.
    frmBrowser* ShowBrowser();
    // Menu "Помощь": how to use the program.
    Form4* ShowHelp();
    // Menu "О программе...".
    frmAbout* ShowAbout();

    // Closes every window that is open.
    void CloseAll();

    // The area, in global coordinates, that a window opened anew must not cover if it can help it: the
    // main window's menu bar, so that the other help entries stay within reach.
    void KeepClearOf(std::function<QRect()> area) { keepClear_ = std::move(area); }

    // The help pages in English, from the folder en beside the Russian ones, when the language is
    // English and the page is there; the Russian page otherwise.
    void SetPageLanguage(QLocale::Language language) { pageLanguage_ = language; }

    // The two help windows follow the program's zoom, which must outlive this object.
    void FollowZoom(WindowZoom* zoom) { zoom_ = zoom; }

    // The folder beside the program's that holds the English help pages.
    static constexpr char EnglishPages[] = "en";

private:
    QRect KeepClear() const;
    // The folder of the page in the windows' language.
    QString PageFolder(std::u16string_view pageName) const;

    QString programFolder_;
    SystemRegistry& registry_;
    ProgramLauncher& launcher_;
    QPointer<frmBrowser> browser_;
    QPointer<Form4> help_;
    QPointer<frmAbout> about_;
    std::function<QRect()> keepClear_;
    WindowZoom* zoom_ = nullptr;
    QLocale::Language pageLanguage_ = QLocale::Russian;
};

}  // namespace velista
