// SPDX-License-Identifier: GPL-3.0-or-later
// StartSysInfo: the About box finds the system-information tool through two registry entries, or says
// that it is unavailable.

#include "help/frmAbout.h"
#include "platform/NoRegistry.h"
#include "tests/help/FakeRegistry.h"
#include "tests/support/FakeLauncher.h"

#include <QtTest>
#include <QtWidgets>

using velista::test::FakeLauncher;
using velista::SystemRegistry;
using velista::frmAbout;

namespace {

const std::string FirstKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string SecondKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

struct Message {
    QString text;
    QString caption;
};

QByteArray Sz(const QString& text)
{
    return text.toLatin1() + '\0';
}

}  // namespace

class StartSysInfoTest : public QObject {
    Q_OBJECT

private slots:
    void startsToolOrSaysUnavailable_data();
    void startsToolOrSaysUnavailable();
    void noRegistryEndsInMessage();
    void buttonRunsIt();
};

void StartSysInfoTest::startsToolOrSaysUnavailable_data()
{
    // A value of "-" is absent, "0" is present with size zero.
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("starts");
    QTest::addColumn<bool>("secondAsked");
    QTest::addColumn<bool>("message");

    const QString tool = QStringLiteral("C:\\Program Files\\Common Files\\msinfo32.exe");
    const QString folder = QStringLiteral("C:\\Tools");
    const QString inFolder = QStringLiteral("C:\\Tools\\MSINFO32.EXE");
    const QString inRootedFolder = QStringLiteral("C:\\Tools\\\\MSINFO32.EXE");

    QTest::newRow("first entry wins") << tool << folder << QStringList{inFolder} << QStringList{tool, inFolder}
                                      << QStringList{tool} << false << false;
    QTest::newRow("first entry names a program that cannot start")
        << tool << folder << QStringList{inFolder} << QStringList{inFolder} << QStringList{tool} << false << true;
    QTest::newRow("second entry, folder without separator")
        << "-" << folder << QStringList{inFolder} << QStringList{inFolder} << QStringList{inFolder} << true << false;
    QTest::newRow("second entry, folder ending in a separator gives two")
        << "-" << (folder + '\\') << QStringList{inRootedFolder} << QStringList{inRootedFolder}
        << QStringList{inRootedFolder} << true << false;
    QTest::newRow("second entry, folder without the tool is never started")
        << "-" << folder << QStringList{} << QStringList{inFolder} << QStringList{} << true << true;
    QTest::newRow("second entry, tool that cannot start")
        << "-" << folder << QStringList{inFolder} << QStringList{} << QStringList{inFolder} << true << true;
    QTest::newRow("neither entry") << "-" << "-" << QStringList{} << QStringList{} << QStringList{} << true << true;
    QTest::newRow("first value of size zero") << "0" << folder << QStringList{inFolder} << QStringList{inFolder}
                                              << QStringList{} << false << true;
    QTest::newRow("second value of size zero")
        << "-" << "0" << QStringList{} << QStringList{} << QStringList{} << true << true;
}

void StartSysInfoTest::startsToolOrSaysUnavailable()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, files);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, starts);
    QFETCH(bool, secondAsked);
    QFETCH(bool, message);

    FakeRegistry registry;
    if (first != QLatin1String("-"))
        registry.SetValue(FirstKey, "PATH", {SystemRegistry::RegSz, first == QLatin1String("0") ? QByteArray() : Sz(first)});
    if (second != QLatin1String("-"))
        registry.SetValue(SecondKey, "MSINFO",
                          {SystemRegistry::RegSz, second == QLatin1String("0") ? QByteArray() : Sz(second)});
    FakeLauncher launcher;
    launcher.files = QSet<QString>(files.begin(), files.end());
    launcher.startable = QSet<QString>(startable.begin(), startable.end());
    QList<Message> messages;
    frmAbout about(registry, launcher, [&](const QString& text, const QString& caption) {
        messages.append({text, caption});
    });

    about.StartSysInfo();

    QCOMPARE(launcher.starts, starts);
    const bool asked = std::find(registry.openedPaths.begin(), registry.openedPaths.end(), SecondKey)
                       != registry.openedPaths.end();
    QCOMPARE(asked, secondAsked);
    QCOMPARE(messages.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(messages.front().text, Unavailable);
        QCOMPARE(messages.front().caption, QStringLiteral("Велиста"));
    }
    QVERIFY(registry.open.empty());
}

void StartSysInfoTest::noRegistryEndsInMessage()
{
    velista::NoRegistry registry;
    FakeLauncher launcher;
    QStringList texts;
    frmAbout about(registry, launcher, [&](const QString& text, const QString&) { texts.append(text); });

    about.StartSysInfo();

    QCOMPARE(texts, QStringList{Unavailable});
    QVERIFY(launcher.starts.isEmpty());
}

void StartSysInfoTest::buttonRunsIt()
{
    velista::NoRegistry registry;
    FakeLauncher launcher;
    int messages = 0;
    frmAbout about(registry, launcher, [&](const QString&, const QString&) { ++messages; });

    about.cmdSysInfo()->click();

    QCOMPARE(messages, 1);
}

QTEST_MAIN(StartSysInfoTest)
#include "StartSysInfoTest.moc"
