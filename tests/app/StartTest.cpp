// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: Qt's texts in Russian under a Russian locale only, and --help / --version answered
// by the built program on a machine without a display.

#include "VelistaIdentity.h"
#include "app/ExitDeadline.h"
#include "app/QtTranslation.h"
#include "tests/support/BuildPaths.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

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
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        const QStringList help{"Использование: velista", "--help", "--version", "velista-cli --help", "man velista"};
        const QStringList englishHelp{"Usage: velista", "--help", "--version", "velista-cli --help", "man velista"};
        const QStringList version{QStringLiteral("velista %1\n").arg(QString::fromUtf8(velista::identity::Version)),
                                  "GPL-3.0-or-later"};
        QTest::newRow("--help") << QStringList{"--help"} << QString() << help;
        QTest::newRow("-h") << QStringList{"-h"} << QString() << help;
        QTest::newRow("--version") << QStringList{"--version"} << QString() << version;
        QTest::newRow("-v") << QStringList{"-v"} << QString() << version;
        QTest::newRow("after Qt's -platform") << QStringList{"-platform", "xcb", "--version"} << QString() << version;
        QTest::newRow("help first") << QStringList{"--help", "--version"} << QString() << help;
        QTest::newRow("--help, English first") << QStringList{"--help"} << "en:ru" << englishHelp;
        QTest::newRow("--help, Russian first") << QStringList{"--help"} << "ru:en" << help;
    }

    void informationOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QProcess program;
        QProcessEnvironment environment = LocaleEnvironment({QStringLiteral("LANG=C.UTF-8")});
        if (!language.isEmpty())
            environment.insert(QStringLiteral("LANGUAGE"), language);
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(velista::test::WindowProgram()), arguments);
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
        program.start(QString::fromUtf8(velista::test::WindowProgram()), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(QString::fromUtf8(program.readAllStandardError()).startsWith(QStringLiteral("velista: не удалось вывести текст: ")));
    }

    // After the event loop, a teardown that waits too long (a search thread that does not look at its
    // cancel flag) is cut short at the deadline, with the program's status; one that ends in time ends
    // as usual, its last words written.
    void exitDeadline_data()
    {
        QTest::addColumn<int>("teardownMilliseconds");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("finishes");
        QTest::newRow("teardown blocked for a minute") << 60000 << 0 << false;
        QTest::newRow("blocked, status 3 kept") << 60000 << 3 << false;
        QTest::newRow("teardown in time") << 0 << 0 << true;
        QTest::newRow("in time, status 3") << 50 << 3 << true;
    }

    void exitDeadline()
    {
        QFETCH(int, teardownMilliseconds);
        QFETCH(int, status);
        QFETCH(bool, finishes);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--teardown"), QString::number(teardownMilliseconds), QString::number(status)});
        QVERIFY(child.waitForStarted(30000));
        QVERIFY(child.waitForReadyRead(30000));  // the event loop has ended, the deadline runs
        QElapsedTimer sinceEnd;
        sinceEnd.start();
        QVERIFY(child.waitForFinished(30000));
        // 400 ms and what a loaded machine adds to starting a thread and ending a process.
        QVERIFY2(sinceEnd.elapsed() < 1500, qPrintable(QString::number(sinceEnd.elapsed())));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), status);
        QCOMPARE(child.readAllStandardOutput(), finishes ? QByteArray("loop ended\nfinished\n") : QByteArray("loop ended\n"));
    }

    // The rows above prove something only because without them the program needs a display.
    void noDisplayWithoutOptions()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(velista::test::WindowProgram()), {});
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
    // The child of exitDeadline: a teardown that takes the given time, under the program's deadline.
    if (argc == 4 && std::strcmp(argv[1], "--teardown") == 0) {
        velista::ExitDeadline deadline(std::chrono::milliseconds(400));
        const int status = std::atoi(argv[3]);
        std::fputs("loop ended\n", stdout);
        std::fflush(stdout);
        deadline.Start(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
        std::fputs("finished\n", stdout);
        return status;
    }
    QApplication application(argc, argv);
    StartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StartTest.moc"
