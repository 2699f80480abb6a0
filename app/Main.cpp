// SPDX-License-Identifier: GPL-3.0-or-later
// velista: the program's start.

#include "VelistaIdentity.h"
#include "app/ExitDeadline.h"
#include "app/InformationOptions.h"
#include "app/ProgramTranslation.h"
#include "app/QtTranslation.h"
#include "installation/CipherMachine.h"
#include "main_window/Form1.h"
#include "main_window/QtUserDialogs.h"
#include "platform/ApplicationEventLoop.h"
#include "platform/SystemPlatform.h"
#include "window_kit/InterfaceLanguage.h"
#include "window_kit/ProgramIcon.h"
#include "window_kit/WindowZoom.h"
#include "window_kit/ZoomStyle.h"

#include <QApplication>
#include <QSettings>
#include <QStyle>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace velista {

// Records the program's folder, builds the machine and shows the main window; the program then lives on
// the window's events.
int Main(QApplication& application)
{
    // Declared first, so that it outlives the window and whatever the window's end waits for: «Выход» or
    // the last window closed ends the process within half a second. A search that looks at its cancel flag
    // every 50 ms ends well within the 0.25 s; the rest is left for closing the windows and Qt's own end
    // (measured under Xvfb on a loaded 2-core machine: 0.3 to 0.4 s from the key to the process's end).
    ExitDeadline deadline(std::chrono::milliseconds(250));
    const QString LastDirectory = QCoreApplication::applicationDirPath();
    // The settings the program keeps, the zoom and the language, each written only once the user changes it.
    QSettings settings(QString::fromLatin1(identity::SettingsOrganisation), QString::fromLatin1(identity::SettingsApplication));
    InterfaceLanguage language(&settings, QLocale::system().uiLanguages());
    // Installed before any window exists: every text is translated as it is made.
    ProgramTranslation programTranslation;
    const QLocale::Language spoken = programTranslation.Install(language.Language(), LastDirectory);
    language.SetSpoken(spoken);
    QtTranslation translation;
    translation.Install(QLocale(spoken));
    ApplicationEventLoop loop;
    CipherMachine machine(loop);  // stores the wiring, fills the catalogue, sets the counters to 0
    SystemPlatform platform;
    QtUserDialogs dialogs;
    WindowZoom zoom(&settings);
    Form1 form1(machine, platform.Services(), dialogs, LastDirectory, zoom);
    form1.ShowLanguageMenu(language, spoken);
    form1.show();
    const int status = application.exec();
    deadline.Start(status);
    return status;
}

}  // namespace velista

int main(int argc, char** argv)
{
    // Answered before QApplication exists, which without a display would abort the program.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const velista::InformationOptions options(arguments);
    if (options.Given()) {
        // In the interface's language: a core application, which needs no display, finds the catalogue
        // beside the program.
        QCoreApplication core(argc, argv);
        QSettings settings(QString::fromLatin1(velista::identity::SettingsOrganisation),
                           QString::fromLatin1(velista::identity::SettingsApplication));
        const velista::InterfaceLanguage language(&settings, QLocale::system().uiLanguages());
        velista::ProgramTranslation programTranslation;
        programTranslation.Install(language.Language(), QCoreApplication::applicationDirPath());
        const QString text = options.Text();
#ifdef _WIN32
        // A window program has no console of its own: the text goes to the one it was started from,
        // told to show UTF-8, unless the output is already a pipe or a file.
        if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS))
            std::freopen("CONOUT$", "w", stdout);
        SetConsoleOutputCP(CP_UTF8);
        std::fputs(text.toUtf8().constData(), stdout);
#else
        std::fputs(text.toLocal8Bit().constData(), stdout);
#endif
        if (std::fflush(stdout) == 0 && !std::ferror(stdout))
            return 0;
        const int error = errno;
        std::fprintf(stderr, "velista: не удалось вывести текст: %s\n", std::strerror(error));
        return 1;
    }

    QApplication application(argc, argv);
    // The name is the class part of the window's WM_CLASS, a Latin-1 property: kept ASCII, as the
    // desktop entry's StartupWMClass. The window's title stays the program's title.
    QApplication::setApplicationName(QStringLiteral("Velista"));
    QApplication::setDesktopFileName(QString::fromLatin1(velista::identity::ApplicationId));
    QApplication::setApplicationVersion(QString::fromLatin1(velista::identity::Version));
    QApplication::setWindowIcon(velista::ProgramIcon());
    // The style the platform (or -style) chose, with check boxes, scroll bars and icons that grow with the zoom.
    QApplication::setStyle(new velista::ZoomStyle(QApplication::style()->name()));
    return velista::Main(application);
}
