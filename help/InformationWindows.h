#pragma once
// The help windows and the About box of the main window's help menu: each is opened on first use,
// brought to the front while it is open, and opened anew after it was closed.

#include <QPointer>
#include <QString>

namespace velista {

class Form4;
class ProgramLauncher;
class SystemRegistry;
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

private:
    QString programFolder_;
    SystemRegistry& registry_;
    ProgramLauncher& launcher_;
    QPointer<frmBrowser> browser_;
    QPointer<Form4> help_;
    QPointer<frmAbout> about_;
};

}  // namespace velista
