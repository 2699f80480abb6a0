// SPDX-License-Identifier: GPL-3.0-or-later
// Where an information window opens: centred, or where centred it would cover the menu bar, clear of it
// on the same screen; and the About box's copyright sign, drawn by a face that has it even where the
// face standing in for Symbol is symbol-encoded.

#include "help/PlaceClearOf.h"
#include "help/frmAbout.h"
#include "platform/NoRegistry.h"
#include "tests/support/BuildPaths.h"
#include "tests/support/FakeLauncher.h"

#include <QtTest>
#include <QtWidgets>

using velista::test::FakeLauncher;
using velista::PlaceClearOf;

class PlaceClearOfTest : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void authorMark_data();
    void authorMark();
};

void PlaceClearOfTest::placement_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("keepClear");
    QTest::addColumn<QRect>("placed");

    const QSize browser(623, 372);  // Велиста
    const QSize help(604, 253);     // Помощь
    const QMargins title(0, 20, 0, 0);
    // The main window centred on 1024 × 600: its menu bar 754 wide at y 78.
    const QRect smallBar(135, 78, 754, 22);
    QTest::newRow("no menu bar to keep clear: centred")
        << browser << title << QRect(0, 0, 1024, 600) << QRect() << QRect(201, 114, 623, 372);
    QTest::newRow("large screen, clear already: centred")
        << help << title << QRect(0, 0, 1920, 1080) << QRect(583, 318, 754, 22) << QRect(658, 414, 604, 253);
    QTest::newRow("small screen: below the menu bar")
        << browser << title << QRect(0, 0, 1024, 600) << smallBar << QRect(201, 120, 623, 372);
    QTest::newRow("the title bar alone would cover it: below")
        << browser << title << QRect(0, 0, 1024, 600) << QRect(135, 85, 754, 22) << QRect(201, 127, 623, 372);
    QTest::newRow("second screen: on it, below the menu bar")
        << browser << title << QRect(1920, 0, 1024, 600) << smallBar.translated(1920, 0)
        << QRect(2121, 120, 623, 372);
    QTest::newRow("no room below: above")
        << browser << title << QRect(0, 0, 1024, 900) << QRect(135, 500, 754, 22) << QRect(201, 128, 623, 372);
    QTest::newRow("no room below or above: right of it")
        << QSize(300, 500) << title << QRect(0, 0, 1024, 600) << QRect(0, 200, 600, 22)
        << QRect(600, 50, 300, 500);
    QTest::newRow("no room below, above or right: left of it")
        << QSize(300, 500) << title << QRect(0, 0, 1024, 600) << QRect(400, 200, 624, 22)
        << QRect(100, 50, 300, 500);
    QTest::newRow("no room anywhere: centred")
        << QSize(900, 500) << title << QRect(0, 0, 1024, 600) << QRect(100, 250, 824, 22)
        << QRect(62, 50, 900, 500);
}

void PlaceClearOfTest::placement()
{
    QFETCH(QSize, client);
    QFETCH(QMargins, frame);
    QFETCH(QRect, screen);
    QFETCH(QRect, keepClear);
    QFETCH(QRect, placed);

    QCOMPARE(PlaceClearOf(client, frame, screen, keepClear), placed);
}

void PlaceClearOfTest::authorMark_data()
{
    QTest::addColumn<bool>("symbolFace");

    QTest::newRow("no face named Symbol") << false;
    // As on Windows, where Symbol maps only the codes of its own encoding and shows U+00A9 as a heart.
    QTest::newRow("symbol-encoded face named Symbol") << true;
}

void PlaceClearOfTest::authorMark()
{
    QFETCH(bool, symbolFace);

    int loaded = -1;
    if (symbolFace) {
        loaded = QFontDatabase::addApplicationFont(QString::fromUtf8(velista::test::HelpTestData()) + QStringLiteral("/SymbolEncoded.ttf"));
        QVERIFY(loaded >= 0);
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Symbol"), 9)).family(), QStringLiteral("Symbol"));
    }
    velista::NoRegistry registry;
    FakeLauncher launcher;
    {
        velista::frmAbout about(registry, launcher, [](const QString&, const QString&) {});
        auto* mark = about.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(mark);
        QCOMPARE(mark->text(), QString(QChar(0x00A9)));
        const QFont font = mark->font();
        QCOMPARE(font.pointSize(), 9);
        const QString family = QFontInfo(font).family();
        QVERIFY2(QFontMetrics(font).inFontUcs4(0x00A9), qPrintable(family));
        QVERIFY2(!QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol), qPrintable(family));
        if (symbolFace)
            QVERIFY(family != QStringLiteral("Symbol"));
    }
    if (loaded >= 0)
        QFontDatabase::removeApplicationFont(loaded);
}

QTEST_MAIN(PlaceClearOfTest)

#include "PlaceClearOfTest.moc"
