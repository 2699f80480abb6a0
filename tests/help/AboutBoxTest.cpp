// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: its controls, texts and version, the etched separator, and the keys that close it.

#include "VelistaIdentity.h"
#include "help/frmAbout.h"
#include "platform/NoRegistry.h"
#include "tests/support/FakeLauncher.h"

#include <QtTest>
#include <QtWidgets>

using velista::test::FakeLauncher;
using velista::frmAbout;

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void captions();
    void etchedSeparator();
    void tabOrder();
    void keys_data();
    void keys();
    void okButtonCloses();

private:
    velista::NoRegistry registry_;
    FakeLauncher launcher_;
    QPointer<frmAbout> about_;
    int messages_ = 0;
};

void AboutBoxTest::init()
{
    messages_ = 0;
    about_ = new frmAbout(registry_, launcher_, [this](const QString&, const QString&) { ++messages_; });
    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_));
}

void AboutBoxTest::cleanup()
{
    delete about_.data();
}

void AboutBoxTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    // Twips divided by 15.
    QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 189, 239) << QString();
    QTest::newRow("cmdOK") << "cmdOK" << QRect(405, 175, 88, 23) << "Выход";
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(406, 205, 85, 23) << "&System Info...";
    QTest::newRow("Label3") << "Label3" << QRect(198, 172, 196, 63)
                            << ("ВНИМАНИЕ." + QString(29, u' ')
                                + "Алгоритм Велисты не является стойким  к методам современного криптоанализа");
    QTest::newRow("Label2") << "Label2" << QRect(386, 134, 73, 13) << QString();
    QTest::newRow("Label1") << "Label1" << QRect(376, 132, 9, 15) << QString();
    QTest::newRow("lblDescription") << "lblDescription" << QRect(204, 26, 259, 16) << "Учебно-методическая программа";
    QTest::newRow("lblTitle") << "lblTitle" << QRect(204, 10, 259, 16) << "Велиста";
    QTest::newRow("lblVersion") << "lblVersion" << QRect(206, 52, 259, 15)
                                << QStringLiteral("Version %1").arg(QString::fromUtf8(velista::identity::Version));
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(204, 78, 260, 43) << QString();
}

void AboutBoxTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    auto* control = about_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    if (!text.isEmpty())
        QCOMPARE(shown, text);
    else if (name != QLatin1String("Picture1"))
        QVERIFY2(!shown.trimmed().isEmpty(), "the line is written");
}

void AboutBoxTest::captions()
{
    QCOMPARE(about_->windowTitle(), QStringLiteral("About Велиста"));
    QCOMPARE(about_->size(), QSize(503, 237));
    QCOMPARE(about_->minimumSize(), about_->maximumSize());
    QVERIFY(about_->cmdOK()->isDefault());
    QCOMPARE(QKeySequence::mnemonic(about_->cmdSysInfo()->text()), QKeySequence(Qt::ALT | Qt::Key_S));
}



void AboutBoxTest::etchedSeparator()
{
    const QList<QFrame*> parts = about_->findChildren<QFrame*>(QStringLiteral("Line1"));
    QCOMPARE(parts.size(), 2);
    QFrame* grey = parts[0]->property("index").toInt() == 1 ? parts[0] : parts[1];
    QFrame* white = grey == parts[0] ? parts[1] : parts[0];
    QCOMPARE(white->property("index").toInt(), 0);
    QCOMPARE(grey->geometry(), QRect(196, 164, 292, 1));
    QCOMPARE(white->geometry(), QRect(196, 164, 288, 2));
    QCOMPARE(grey->palette().color(QPalette::Window), QColor(128, 128, 128));
    QCOMPARE(white->palette().color(QPalette::Window), QColor(Qt::white));

    // What is drawn: grey on the line itself, white just below it.
    const QImage image = about_->grab().toImage();
    QCOMPARE(image.pixelColor(300, 164), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(300, 165), QColor(Qt::white));
}

void AboutBoxTest::tabOrder()
{
    QCOMPARE(about_->cmdOK()->nextInFocusChain(), about_->cmdSysInfo());
    for (QLabel* label : about_->findChildren<QLabel*>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);

    QCOMPARE(QApplication::focusWidget(), about_->cmdOK());
    QTest::keyClick(about_, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about_->cmdSysInfo());
    QTest::keyClick(about_, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about_->cmdOK());
    QTest::keyClick(about_, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), about_->cmdSysInfo());
}

void AboutBoxTest::keys_data()
{
    QTest::addColumn<bool>("onSysInfo");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("messages");

    QTest::newRow("Esc") << false << int(Qt::Key_Escape) << true << 0;
    QTest::newRow("Esc on System Info") << true << int(Qt::Key_Escape) << true << 0;
    QTest::newRow("Enter") << false << int(Qt::Key_Return) << true << 0;
    QTest::newRow("Enter on the keypad") << false << int(Qt::Key_Enter) << true << 0;
    QTest::newRow("Enter on System Info runs it") << true << int(Qt::Key_Return) << false << 1;
}

void AboutBoxTest::keys()
{
    QFETCH(bool, onSysInfo);
    QFETCH(int, key);
    QFETCH(bool, closes);
    QFETCH(int, messages);

    QWidget* focus = onSysInfo ? about_->cmdSysInfo() : about_->cmdOK();
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key(key));

    if (closes)
        QTRY_VERIFY(about_.isNull());
    else
        QVERIFY(about_->isVisible());
    QCOMPARE(messages_, messages);
}

void AboutBoxTest::okButtonCloses()
{
    about_->cmdOK()->click();
    QTRY_VERIFY(about_.isNull());
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
