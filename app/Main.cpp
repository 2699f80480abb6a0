// velista: the program's start.

#include "ApplicationEventLoop.h"
#include "CipherMachine.h"
#include "Form1.h"
#include "QtUserDialogs.h"
#include "SystemPlatform.h"

#include <QApplication>
#include <QIcon>

namespace velista {

namespace {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/pictures/velista-%1.png").arg(size));
    return icon;
}

}  // namespace

// Records the program's folder, builds the machine and shows the main window; the program then lives on
// the window's events.
int Main(QApplication& application)
{
    const QString LastDirectory = QCoreApplication::applicationDirPath();
    ApplicationEventLoop loop;
    CipherMachine machine(loop);  // stores the wiring, fills the catalogue, sets the counters to 0
    SystemPlatform platform;
    QtUserDialogs dialogs;
    Form1 form1(machine, platform.Services(), dialogs, LastDirectory);
    form1.show();
    return application.exec();
}

}  // namespace velista

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Велиста"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setWindowIcon(velista::ProgramIcon());
    return velista::Main(application);
}
