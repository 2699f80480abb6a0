// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: Qt's texts in Russian under a Russian locale only, and --help / --version answered
// by the built program on a machine without a display.

#include "VelistaIdentity.h"
#include "app/QtTranslation.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <cstring>

namespace {

// The texts Qt shows on a message box's Cancel and Yes buttons, with the translation the locale selects.
QString ButtonTexts(const QLocale& locale)
{
    velista::QtTranslation translation;
    translation.Install(locale);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel | QMessageBox::Yes);
    return box.button(QMessageBox::Cancel)->text() + QLatin1Char('|') + box.button(QMessageBox::Yes)->text();
}

// A child process sees only these locale variables, so the machine's own settings cannot decide a row.
QProcessEnvironment LocaleEnvironment(const QStringList& assignments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE"})
        environment.remove(QString::fromLatin1(name));
    for (const QString& assignment : assignments)
        environment.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    return environment;
}

}  // namespace

class StartTest : public QObject {
    Q_OBJECT

private slots:
    void qtTexts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Russian, Russia") << QLocale(QLocale::Russian, QLocale::Russia) << "Отмена|&Да";
        QTest::newRow("Russian, Ukraine") << QLocale(QLocale::Russian, QLocale::Ukraine) << "Отмена|&Да";
        // After a Russian row: the translation goes with its holder.
        QTest::newRow("C") << QLocale::c() << "Cancel|&Yes";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "Cancel|&Yes";
        // Qt's texts in German inside a Russian program would be a third language: they stay English.
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "Cancel|&Yes";
    }

    void qtTexts()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        QCOMPARE(ButtonTexts(locale), expected);
    }

    // The program reads the locale from the environment as a user's session sets it.
    void systemLocale_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LANG=ru_RU.UTF-8") << QStringList{"LANG=ru_RU.UTF-8"} << "Отмена|&Да";
        QTest::newRow("LC_ALL=ru_RU.UTF-8 over LANG=C") << QStringList{"LANG=C", "LC_ALL=ru_RU.UTF-8"}
                                                       << "Отмена|&Да";
        QTest::newRow("LANG=C") << QStringList{"LANG=C"} << "Cancel|&Yes";
        QTest::newRow("LANG=C.UTF-8") << QStringList{"LANG=C.UTF-8"} << "Cancel|&Yes";
        QTest::newRow("no locale at all") << QStringList{} << "Cancel|&Yes";
        QTest::newRow("LANG=en_GB.UTF-8") << QStringList{"LANG=en_GB.UTF-8"} << "Cancel|&Yes";
    }

    void systemLocale()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, expected);
        QProcess probe;
        probe.setProcessEnvironment(LocaleEnvironment(environment));
        probe.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe")});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()), expected);
    }

    // The built program, without any display: it answers and exits instead of aborting for want of one.
    void informationOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        const QStringList help{"Использование: velista", "--help", "--version", "velista-cli --help", "man velista"};
        const QStringList version{QStringLiteral("velista %1\n").arg(QString::fromUtf8(velista::identity::Version)),
                                  "GPL-3.0-or-later"};
        QTest::newRow("--help") << QStringList{"--help"} << help;
        QTest::newRow("-h") << QStringList{"-h"} << help;
        QTest::newRow("--version") << QStringList{"--version"} << version;
        QTest::newRow("-v") << QStringList{"-v"} << version;
        QTest::newRow("after Qt's -platform") << QStringList{"-platform", "xcb", "--version"} << version;
        QTest::newRow("help first") << QStringList{"--help", "--version"} << help;
    }

    void informationOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QProcess program;
        QProcessEnvironment environment = LocaleEnvironment({QStringLiteral("LANG=C.UTF-8")});
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELISTA_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        for (const QString& part : expected)
            QVERIFY2(output.contains(part), qPrintable(QStringLiteral("lacks «%1» in:\n%2").arg(part, output)));
        QCOMPARE(program.readAllStandardError(), QByteArray());
    }

    // A full disk (/dev/full) is reported, not taken for a shown text.
    void informationOptionsUnwritable()
    {
        QProcess program;
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(VELISTA_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(QString::fromUtf8(program.readAllStandardError()).startsWith(QStringLiteral("velista: не удалось вывести текст: ")));
    }

    // The rows above prove something only because without them the program needs a display.
    void noDisplayWithoutOptions()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELISTA_PROGRAM), {});
        QVERIFY(program.waitForFinished(30000));
        QVERIFY(program.exitStatus() == QProcess::CrashExit || program.exitCode() != 0);
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }
};

int main(int argc, char** argv)
{
    // The child of systemLocale: Qt's button texts under the locale of its environment.
    if (argc == 2 && std::strcmp(argv[1], "--probe") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        std::fputs(ButtonTexts(QLocale::system()).toUtf8().constData(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    StartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StartTest.moc"
