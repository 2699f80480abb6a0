// SPDX-License-Identifier: GPL-3.0-or-later
// GetKeyValue: reading one registry value as text, as the About box looks for the system-information tool.

#include "help/frmAbout.h"
#include "tests/help/FakeRegistry.h"
#include "tests/support/FakeLauncher.h"

#include <QtTest>

#include <stdexcept>

using velista::test::FakeLauncher;
using velista::SystemRegistry;
using velista::frmAbout;

namespace {

const std::string KeyPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

}  // namespace

class GetKeyValueTest : public QObject {
    Q_OBJECT

private slots:
    void readsValue_data();
    void readsValue();
    void valueOfSizeZeroIsAnError();
};

void GetKeyValueTest::readsValue_data()
{
    QTest::addColumn<bool>("keyPresent");
    QTest::addColumn<bool>("valuePresent");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("value");

    using namespace Qt::Literals::StringLiterals;
    const QByteArray path = "C:\\WINDOWS\\System32\\msinfo32.exe";
    const QByteArray full(1024, 'x');

    QTest::newRow("string stored with its terminating zero loses exactly that zero")
        << true << true << uint(SystemRegistry::RegSz) << (path + '\0') << true << QString::fromLatin1(path);
    QTest::newRow("string stored without a terminating zero keeps every character")
        << true << true << uint(SystemRegistry::RegSz) << path << true << QString::fromLatin1(path);
    QTest::newRow("string ending in two zeros loses only the last")
        << true << true << uint(SystemRegistry::RegSz) << (path + '\0' + '\0') << true
        << QString::fromLatin1(path + '\0');
    QTest::newRow("one character")
        << true << true << uint(SystemRegistry::RegSz) << QByteArray("C") << true << u"C"_s;
    QTest::newRow("a lone terminating zero reads as the empty text")
        << true << true << uint(SystemRegistry::RegSz) << QByteArray(1, '\0') << true << QString();
    QTest::newRow("1024 characters fill the buffer and are all kept")
        << true << true << uint(SystemRegistry::RegSz) << full << true << QString::fromLatin1(full);
    QTest::newRow("1025 bytes do not fit")
        << true << true << uint(SystemRegistry::RegSz) << (full + 'y') << false << QString();
    QTest::newRow("double word, least significant byte stored first")
        << true << true << uint(SystemRegistry::RegDword) << QByteArray("\x2a\x00\x00\x00", 4) << true
        << u"&h0000002A"_s;
    QTest::newRow("double word with every byte set")
        << true << true << uint(SystemRegistry::RegDword) << QByteArray("\x01\xab\x10\xff", 4) << true
        << u"&hFF10AB01"_s;
    QTest::newRow("value of another type leaves the text as it was")
        << true << true << uint(2) << (path + '\0') << true << u"held before"_s;
    QTest::newRow("missing value") << true << false << uint(SystemRegistry::RegSz) << QByteArray() << false
                                   << QString();
    QTest::newRow("missing key") << false << false << uint(SystemRegistry::RegSz) << QByteArray() << false
                                 << QString();
}

void GetKeyValueTest::readsValue()
{
    QFETCH(bool, keyPresent);
    QFETCH(bool, valuePresent);
    QFETCH(uint, type);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, result);
    QFETCH(QString, value);

    FakeRegistry registry;
    if (keyPresent)
        registry.AddKey(KeyPath);
    if (valuePresent)
        registry.SetValue(KeyPath, "PATH", {type, bytes});
    FakeLauncher launcher;
    frmAbout about(registry, launcher, [](const QString&, const QString&) {});

    QString text = QStringLiteral("held before");
    QCOMPARE(about.GetKeyValue(SystemRegistry::HKeyLocalMachine, QString::fromStdString(KeyPath),
                               QStringLiteral("PATH"), text),
             result);
    QCOMPARE(text, value);
    QVERIFY2(registry.open.empty(), "every key opened is closed again");
}

void GetKeyValueTest::valueOfSizeZeroIsAnError()
{
    FakeRegistry registry;
    registry.SetValue(KeyPath, "PATH", {SystemRegistry::RegSz, QByteArray()});
    FakeLauncher launcher;
    frmAbout about(registry, launcher, [](const QString&, const QString&) {});

    QString text;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             about.GetKeyValue(SystemRegistry::HKeyLocalMachine, QString::fromStdString(KeyPath),
                                               QStringLiteral("PATH"), text));
    QVERIFY2(registry.open.empty(), "the key is closed before the error leaves");
}


QTEST_MAIN(GetKeyValueTest)
#include "GetKeyValueTest.moc"
