// SPDX-License-Identifier: GPL-3.0-or-later
// The interface's language: chosen from the system's list of languages or by the user, and the windows'
// texts (menus, window titles, message boxes) in it, from the catalogue the build places beside the program.

#include "analysis_window/AnalysisWindow.h"
#include "app/ProgramTranslation.h"
#include "app/QtTranslation.h"
#include "installation/CipherMachine.h"
#include "main_window/Form1.h"
#include "path_window/SymbolPathWindow.h"
#include "platform/ApplicationEventLoop.h"
#include "platform/NoRegistry.h"
#include "tests/support/CountingBeeper.h"
#include "tests/support/FakeKeyboard.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/RecordingDialogs.h"
#include "window_kit/InterfaceLanguage.h"
#include "tests/support/BuildPaths.h"

#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>

namespace {

using velista::InterfaceLanguage;

// The probe's report: one text a line, each as "what: text".
QStringList Probe(const QString& programFolder)
{
    using namespace velista;
    InterfaceLanguage language(nullptr, QLocale::system().uiLanguages());
    ProgramTranslation program;
    const QLocale::Language spoken = program.Install(language.Language(), programFolder);
    language.SetSpoken(spoken);
    QtTranslation qt;
    qt.Install(QLocale(spoken));

    ApplicationEventLoop loop;
    test::CountingBeeper beeper;
    test::FakeKeyboard keyboard;
    NoRegistry registry;
    test::FakeLauncher launcher;
    test::RecordingDialogs dialogs;
    CipherMachine machine(loop);
    Form1 form(machine, Platform{beeper, keyboard, registry, launcher}, dialogs, programFolder);
    form.ShowLanguageMenu(language, spoken);
    form.show();

    QStringList report;
    QStringList menus;
    for (QAction* menu : form.menuBar()->actions())
        menus << menu->text();
    report << QStringLiteral("menus: ") + menus.join(u'|');
    report << QStringLiteral("main: ") + form.windowTitle();
    form.ShowPathWindow();
    report << QStringLiteral("path: ") + form.PathWindow()->windowTitle();
    form.OpenAnalysis();
    report << QStringLiteral("analysis: ") + form.Analysis()->windowTitle();
    // The machine's refusal: rotors installed with empty fields.
    form.InstallRotors();
    // A file that cannot be read.
    dialogs.chosenFile = QStringLiteral("/nonexistent/velista.txt");
    form.findChild<QAction*>(QStringLiteral("open"))->trigger();
    // The language changed to the other one.
    language.Choose(spoken == QLocale::English ? InterfaceLanguage::Choice::Russian : InterfaceLanguage::Choice::English);
    for (const auto& [kind, boxes] : {std::pair{"critical", dialogs.critical}, std::pair{"warning", dialogs.warnings},
                                       std::pair{"information", dialogs.information}}) {
        for (const auto& [text, title] : boxes)
            report << QStringLiteral("%1: %2 / %3").arg(QLatin1String(kind), title, text.section(u'\n', 0, 0));
    }
    return report;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void resolve_data()
    {
        QTest::addColumn<InterfaceLanguage::Choice>("choice");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QLocale::Language>("expected");
        const auto system = InterfaceLanguage::Choice::System;
        QTest::newRow("English before Russian") << system << QStringList{"en-US", "ru-RU"} << QLocale::English;
        QTest::newRow("Russian before English") << system << QStringList{"ru-RU", "en-US"} << QLocale::Russian;
        QTest::newRow("English after German") << system << QStringList{"de-DE", "en-GB"} << QLocale::English;
        QTest::newRow("POSIX name en_GB") << system << QStringList{"en_GB"} << QLocale::English;
        QTest::newRow("neither listed") << system << QStringList{"de-DE", "fr"} << QLocale::Russian;
        QTest::newRow("right-to-left only") << system << QStringList{"ar-SA", "he"} << QLocale::Russian;
        QTest::newRow("nothing listed") << system << QStringList{} << QLocale::Russian;
        // "english" is not the code "en".
        QTest::newRow("a name, not a code") << system << QStringList{"english"} << QLocale::Russian;
        QTest::newRow("Russian chosen on an English system")
            << InterfaceLanguage::Choice::Russian << QStringList{"en-US"} << QLocale::Russian;
        QTest::newRow("English chosen on a Russian system")
            << InterfaceLanguage::Choice::English << QStringList{"ru-RU"} << QLocale::English;
    }

    void resolve()
    {
        QFETCH(InterfaceLanguage::Choice, choice);
        QFETCH(QStringList, system);
        QFETCH(QLocale::Language, expected);
        QCOMPARE(InterfaceLanguage::Resolve(choice, system), expected);
    }

    // The settings file as a user or a broken disk may leave it: anything that names no choice follows
    // the system, without a word.
    void storedChoice_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<InterfaceLanguage::Choice>("expected");
        QTest::newRow("English") << QByteArray("[window]\nlanguage=en\n") << InterfaceLanguage::Choice::English;
        QTest::newRow("Russian") << QByteArray("[window]\nlanguage=ru\n") << InterfaceLanguage::Choice::Russian;
        QTest::newRow("system") << QByteArray("[window]\nlanguage=system\n") << InterfaceLanguage::Choice::System;
        QTest::newRow("unknown language") << QByteArray("[window]\nlanguage=de\n") << InterfaceLanguage::Choice::System;
        QTest::newRow("a number") << QByteArray("[window]\nlanguage=7\n") << InterfaceLanguage::Choice::System;
        QTest::newRow("binary junk") << QByteArray("[window]\nlanguage=\xff\xfe\x01\n\x00\x00", 25)
                                     << InterfaceLanguage::Choice::System;
        QTest::newRow("no key") << QByteArray("[window]\nzoom=150\n") << InterfaceLanguage::Choice::System;
    }

    void storedChoice()
    {
        QFETCH(QByteArray, file);
        QFETCH(InterfaceLanguage::Choice, expected);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("velista.ini"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        QSettings settings(path, QSettings::IniFormat);
        InterfaceLanguage language(&settings, {QStringLiteral("en")});
        QCOMPARE(language.Chosen(), expected);
        // Read, not written: the file stays as it was until the user chooses.
        settings.sync();
        QFile in(path);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(in.readAll(), file);
    }

    // The windows under the language of the environment, as a user's session sets it.
    void interfaceTexts_data()
    {
        QTest::addColumn<QString>("languageVariable");
        QTest::addColumn<bool>("catalogue");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("errorLines");
        const QStringList russian{
            "menus:  Файл | Обучение | Вид | Помощь ",
            "main: Велиста",
            "path: Путь символа",
            "analysis: Криптоанализ",
            "critical: Внимание / Не указаны номера всех дисков или ключ имеет менее 5-ти символов ",
            "warning: Велиста / Файл «/nonexistent/velista.txt» не открыт: нет такого файла или папки.",
            "information: Язык / Language / Язык окон сменится при следующем запуске программы.",
        };
        const QStringList english{
            "menus:  File | Teaching | View | Help ",
            "main: Velista",
            "path: Symbol path",
            "analysis: Cryptanalysis",
            "critical: Attention / Not all rotor numbers are given, or the key has fewer than 5 symbols",
            "warning: Velista / The file «/nonexistent/velista.txt» is not opened: no such file or folder.",
            "information: Язык / Language / Язык окон сменится при следующем запуске программы.",
        };
        QTest::newRow("LANGUAGE=en") << "en" << true << english << 0;
        QTest::newRow("LANGUAGE=ru") << "ru" << true << russian << 0;
        QTest::newRow("LANGUAGE=en_GB:ru") << "en_GB:ru" << true << english << 0;
        QTest::newRow("LANGUAGE=ru:en") << "ru:en" << true << russian << 0;
        QTest::newRow("LANGUAGE=de, neither") << "de" << true << russian << 0;
        QTest::newRow("LANGUAGE=ar, right to left") << "ar" << true << russian << 0;
        QTest::newRow("LANGUAGE=en, catalogue missing") << "en" << false << russian << 1;
    }

    void interfaceTexts()
    {
        QFETCH(QString, languageVariable);
        QFETCH(bool, catalogue);
        QFETCH(QStringList, expected);
        QFETCH(int, errorLines);
        QTemporaryDir empty;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), languageVariable);
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--probe"), catalogue ? QString::fromUtf8(velista::test::ProgramFolder()) : empty.path()});
        QVERIFY(probe.waitForFinished(60000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), expected);
        const QString errors = QString::fromUtf8(probe.readAllStandardError());
        QCOMPARE(errors.count(QStringLiteral("velista_en.qm")), errorLines);
    }
};

int main(int argc, char** argv)
{
    // The child of interfaceTexts: the windows' texts under the language of its environment.
    if (argc == 3 && std::strcmp(argv[1], "--probe") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        const QStringList report = Probe(QString::fromLocal8Bit(argv[2]));
        std::fputs((report.join(u'\n') + u'\n').toUtf8().constData(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LanguageTest.moc"
