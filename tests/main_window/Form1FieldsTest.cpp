// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's rotor and key fields with their filters and change handlers, installing the rotors
// through the button, the polling timer's rule, the locked state during a run and the rotor panel switch.

#include "tests/main_window/Form1Suite.h"

#include "platform/NoRegistry.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>

using namespace velista;
using namespace velista::test;

class Form1FieldsTest : public QObject, private Form1Suite {
    Q_OBJECT

private slots:
    void init() { StartWindow(); }
    void cleanup() { StopWindow(); }

    void typedKeys_data();
    void typedKeys();
    void pastedText_data();
    void pastedText();
    void fieldChange_data();
    void fieldChange();
    void editAfterInstallMakesBankStale_data();
    void editAfterInstallMakesBankStale();

    void installThroughButton_data();
    void installThroughButton();
    void installRefusedWithIncompleteFields_data();
    void installRefusedWithIncompleteFields();
    void secondClickDuringInstallation_data();
    void secondClickDuringInstallation();
    void exitDuringInstallation_data();
    void exitDuringInstallation();

    void timerRule_data();
    void timerRule();
    void lockedDuringRun_data();
    void lockedDuringRun();
    void rotorPanelSwitch_data();
    void rotorPanelSwitch();
};

// ---- The rotor and key fields ------------------------------------------------------------------------

void Form1FieldsTest::typedKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");  // "\b" is backspace
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");

    QTest::newRow("rotor field: digits") << "Text4" << "" << "90817" << "90817" << 0;
    QTest::newRow("rotor field: letters") << "Text4" << "" << "aZЯ" << "" << 3;
    QTest::newRow("rotor field: space and punctuation") << "Text4" << "" << " .,-(:[" << "" << 7;
    QTest::newRow("rotor field: refused among digits") << "Text4" << "1" << "x2!3" << "123" << 2;
    QTest::newRow("rotor field: control character") << "Text4" << "1" << "\x01" << "1" << 1;
    QTest::newRow("rotor field: backspace") << "Text4" << "123" << "\b" << "12" << 0;
    QTest::newRow("rotor field: sixth digit") << "Text4" << "12345" << "6" << "12345" << 0;
    QTest::newRow("key field: space, letters, bracket, digit") << "Text5" << "" << " Я[a1" << " Я[a1" << 0;
    QTest::newRow("key field: punctuation") << "Text5" << "" << "(),-." << "(),-." << 0;
    QTest::newRow("key field: colon and closing bracket") << "Text5" << "" << ":]zж" << ":]zж" << 0;
    QTest::newRow("key field: Ё ё ! ?") << "Text5" << "a" << "Ёё!?" << "a" << 4;
    QTest::newRow("key field: semicolon and quote") << "Text5" << "" << ";\"" << "" << 2;
    QTest::newRow("key field: control character") << "Text5" << "" << "\x01" << "" << 1;
    QTest::newRow("key field: backspace") << "Text5" << "abc" << "\b" << "ab" << 0;
    QTest::newRow("key field: sixth symbol") << "Text5" << "abcde" << "f" << "abcde" << 0;
    QTest::newRow("key field: sixth character outside the alphabet") << "Text5" << "abcde" << "!" << "abcde" << 1;
}

void Form1FieldsTest::typedKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    FilteredField* edit = Field(field);
    edit->setText(before);
    edit->setFocus();
    edit->end(false);
    world->beeper.beeps = 0;
    Type(edit, keys);
    QCOMPARE(edit->text(), after);
    QCOMPARE(world->beeper.beeps, beeps);
}

void Form1FieldsTest::pastedText_data()
{
    QTest::addColumn<bool>("drop");  // dropped rather than pasted with Ctrl+V
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");  // what typing the same characters gives
    QTest::addColumn<int>("beeps");

    QTest::newRow("pasted: digits") << false << "Text4" << "" << "01234" << "01234" << 0;
    QTest::newRow("pasted: letters among digits") << false << "Text4" << "" << "1a2b3" << "123" << 2;
    QTest::newRow("pasted: into a partial field") << false << "Text4" << "12" << "a3" << "123" << 1;
    QTest::newRow("pasted: refused character before the fifth digit")
        << false << "Text4" << "" << "12a345" << "12345" << 1;
    QTest::newRow("pasted: Ё ё ! ? among key symbols") << false << "Text5" << "" << "Ёж!ё?" << "ж" << 4;
    QTest::newRow("pasted: line break in a key") << false << "Text5" << "" << "ab\ncd" << "abcd" << 1;
    QTest::newRow("pasted: tab in a key") << false << "Text5" << "" << "a\tb" << "ab" << 1;
    QTest::newRow("dropped: letters among digits") << true << "Text4" << "" << "1a2b3" << "123" << 2;
    QTest::newRow("dropped: Ё and a key symbol") << true << "Text5" << "" << "Ёж" << "ж" << 1;
}

void Form1FieldsTest::pastedText()
{
    QFETCH(bool, drop);
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    FilteredField* edit = Field(field);
    edit->setText(before);
    edit->setFocus();
    edit->end(false);
    world->beeper.beeps = 0;
    if (drop) {
        QMimeData data;
        data.setText(text);
        const QPoint at = edit->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &dropped);
    } else {
        QGuiApplication::clipboard()->setText(text);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(edit->text(), after);
    QCOMPARE(world->beeper.beeps, beeps);
}

void Form1FieldsTest::fieldChange_data()
{
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("installEnabled");
    QTest::addColumn<QString>("focus");

    QTest::newRow("rotor field: fifth digit, key empty")
        << "0123" << "" << "Text4" << "4" << NotInstalledAfterRotors << false << "Text5";
    QTest::newRow("rotor field: fifth digit, key complete")
        << "0123" << "abcde" << "Text4" << "4" << NotInstalledAfterRotors << true << "Text5";
    QTest::newRow("rotor field: four digits") << "" << "abcde" << "Text4" << "0123" << NotInstalledAfterRotors << false
                                              << "Text4";
    QTest::newRow("rotor field: digit deleted")
        << "01234" << "abcde" << "Text4" << "\b" << NotInstalledAfterRotors << false << "Text4";
    QTest::newRow("key field: fifth symbol, rotors complete")
        << "01234" << "abcd" << "Text5" << "e" << NotInstalled << true << "Text5";
    QTest::newRow("key field: fifth symbol, rotors incomplete")
        << "0123" << "abcd" << "Text5" << "e" << NotInstalled << false << "Text5";
    QTest::newRow("key field: symbol deleted") << "01234" << "abcde" << "Text5" << "\b" << NotInstalled << false
                                               << "Text5";
}

// A change hides the run buttons and writes the warning, yields, and only then moves the focus, sets the
// install button and (rotor field) writes the second text.
void Form1FieldsTest::fieldChange()
{
    QFETCH(QString, rotors);
    QFETCH(QString, key);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, panel);
    QFETCH(bool, installEnabled);
    QFETCH(QString, focus);

    SetFields(rotors, key);
    Control<QTimer>("Timer1")->stop();
    Control<ThreeDButton>("SSCommand9")->show();
    Control<ThreeDButton>("SSCommand7")->show();
    Control<StatusBar>("StatusBar1")->SetPanelText(1, QString());
    FilteredField* edit = Field(field);
    edit->setFocus();
    edit->end(false);
    const bool installBefore = Control<ThreeDButton>("SSCommand10")->isEnabled();

    struct Snapshot {
        QString panel;
        bool run9, run7, installEnabled;
        QWidget* focus;
    };
    QList<Snapshot> yields;
    QTimer recorder;
    recorder.setInterval(0);
    connect(&recorder, &QTimer::timeout, [&] {
        yields.append({Control<StatusBar>("StatusBar1")->PanelText(1), Control<ThreeDButton>("SSCommand9")->isVisible(),
                       Control<ThreeDButton>("SSCommand7")->isVisible(),
                       Control<ThreeDButton>("SSCommand10")->isEnabled(), QApplication::focusWidget()});
    });
    recorder.start();
    Type(edit, keys);
    recorder.stop();

    QVERIFY(!yields.isEmpty());
    const Snapshot& first = yields.front();
    QCOMPARE(first.panel, NotInstalled);
    QVERIFY(!first.run9 && !first.run7);
    QCOMPARE(first.installEnabled, installBefore);
    QCOMPARE(first.focus, static_cast<QWidget*>(edit));

    QCOMPARE(Control<StatusBar>("StatusBar1")->PanelText(1), panel);
    QCOMPARE(Control<ThreeDButton>("SSCommand10")->isEnabled(), installEnabled);
    QCOMPARE(QApplication::focusWidget(), Control(focus));
    QVERIFY(!f->RotorsInstalled());
}

void Form1FieldsTest::editAfterInstallMakesBankStale_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("installEnabled");

    QTest::newRow("rotor field: digit deleted") << "Text4" << "\b" << NotInstalledAfterRotors << false;
    QTest::newRow("rotor field: same digit retyped") << "Text4" << "\b4" << NotInstalledAfterRotors << true;
    QTest::newRow("key field: symbol deleted") << "Text5" << "\b" << NotInstalled << false;
    QTest::newRow("key field: same symbol retyped") << "Text5" << "\be" << NotInstalled << true;
}

void Form1FieldsTest::editAfterInstallMakesBankStale()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, panel);
    QFETCH(bool, installEnabled);

    // Text in both areas, so that a tick during the installation's last yields shows both buttons too.
    Control<RichTextBox>("RichTextBox1")->SetText(QStringLiteral("шифротекст"));
    Install("01234", "abcde");
    Control<QTimer>("Timer1")->stop();
    QVERIFY(Control<ThreeDButton>("SSCommand9")->isVisible() && Control<ThreeDButton>("SSCommand7")->isVisible());
    FilteredField* edit = Field(field);
    edit->setFocus();
    edit->end(false);
    Type(edit, keys);
    QVERIFY(!f->RotorsInstalled());
    QVERIFY(!Control<ThreeDButton>("SSCommand9")->isVisible());
    QVERIFY(!Control<ThreeDButton>("SSCommand7")->isVisible());
    QCOMPARE(Control<StatusBar>("StatusBar1")->PanelText(1), panel);
    QCOMPARE(Control<ThreeDButton>("SSCommand10")->isEnabled(), installEnabled);
}

// ---- Installing the rotors -----------------------------------------------------------------------------

void Form1FieldsTest::installThroughButton_data()
{
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");

    QTest::newRow("ascending rotors, Latin key") << "01234" << "abcde";
    QTest::newRow("one rotor in every slot") << "77777" << "Яя[] ";
    QTest::newRow("descending rotors, digits and punctuation") << "98765" << "0(,:.";
}

void Form1FieldsTest::installThroughButton()
{
    QFETCH(QString, rotors);
    QFETCH(QString, key);

    Install(rotors, key);
    CheckInstalled(rotors, key);
    QVERIFY(world->dialogs.critical.isEmpty());
    for (std::int16_t k = 1; k <= 5; ++k)
        QCOMPARE(world->machine.Bank().StepCounter(k), std::int16_t{0});
}

void Form1FieldsTest::installRefusedWithIncompleteFields_data()
{
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");

    QTest::newRow("four rotor digits") << "0123" << "abcde";
    QTest::newRow("four key symbols") << "01234" << "abcd";
    QTest::newRow("both fields empty") << "" << "";
}

void Form1FieldsTest::installRefusedWithIncompleteFields()
{
    QFETCH(QString, rotors);
    QFETCH(QString, key);

    SetFields(rotors, key);
    // The button stays disabled, so a click does nothing at all.
    QVERIFY(!Control<ThreeDButton>("SSCommand10")->isEnabled());
    QTest::mouseClick(Control<ThreeDButton>("SSCommand10"), Qt::LeftButton);
    QVERIFY(world->dialogs.critical.isEmpty());
    // The same installation as at the end of a run refuses with the message box.
    const QString panel = Control<StatusBar>("StatusBar1")->PanelText(1);
    QVERIFY(!f->InstallRotors());
    QCOMPARE(world->dialogs.critical.size(), 1);
    QCOMPARE(world->dialogs.critical.front().first,
             QStringLiteral("Не указаны номера всех дисков или ключ имеет менее 5-ти символов "));
    QCOMPARE(world->dialogs.critical.front().second, QStringLiteral("Внимание"));
    QVERIFY(!f->RotorsInstalled());
    QCOMPARE(Control<StatusBar>("StatusBar1")->PanelText(1), panel);
    QVERIFY(!Control<ThreeDButton>("SSCommand9")->isVisible() && !Control<ThreeDButton>("SSCommand7")->isVisible());
    for (std::int16_t k = 1; k <= 5; ++k) {
        QVERIFY(world->machine.Bank().Slot(k).Empty());
        QCOMPARE(RotorWindowAt(*f, k - 1)->Lines(), QStringList(23, BlankLine));
    }
}

void Form1FieldsTest::secondClickDuringInstallation_data()
{
    QTest::addColumn<int>("slot");  // the click comes while this slot is set; 0: while the catalogue is rebuilt

    QTest::newRow("during the catalogue rebuild") << 0;
    QTest::newRow("while slot 3 is set") << 3;
    QTest::newRow("while slot 5 is set") << 5;
}

void Form1FieldsTest::secondClickDuringInstallation()
{
    QFETCH(int, slot);

    SetFields("31415", "Пи-3.");
    const auto setting = [&] { return slot == 0 || RotorWindowAt(*f, slot - 1)->Lines().isEmpty(); };
    QVERIFY(RunDuring(
        setting, [&] { Control<ThreeDButton>("SSCommand10")->click(); },
        [&] { QTest::mouseClick(Control<ThreeDButton>("SSCommand10"), Qt::LeftButton); }));
    CheckInstalled("31415", "Пи-3.");
}

void Form1FieldsTest::exitDuringInstallation_data()
{
    QTest::addColumn<int>("slot");  // the program is ended while this slot is set; 0: while the catalogue is rebuilt
    QTest::addColumn<bool>("close");  // by closing the window rather than by "Выход"

    QTest::newRow("Выход during the catalogue rebuild") << 0 << false;
    QTest::newRow("Выход while slot 3 is set") << 3 << false;
    QTest::newRow("window closed while slot 3 is set") << 3 << true;
}

void Form1FieldsTest::exitDuringInstallation()
{
    QFETCH(int, slot);
    QFETCH(bool, close);

    SetFields("31415", "Пи-3.");
    const auto setting = [&] { return slot == 0 || RotorWindowAt(*f, slot - 1)->Lines().isEmpty(); };
    QElapsedTimer clock;
    clock.start();
    // As in the program, the click runs inside the application's event loop, which ends with the window.
    const auto click = [&] {
        QTimer::singleShot(0, f, [&] {
            QTest::mouseClick(Control<ThreeDButton>("SSCommand10"), Qt::LeftButton);
            QCoreApplication::exit(0);
        });
        QApplication::exec();
    };
    QVERIFY(RunDuring(setting, [&] { close ? void(f->close()) : f->Exit(); }, click));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!f->isVisible());
    QVERIFY(!f->RotorsInstalled());
    QVERIFY(Control<StatusBar>("StatusBar1")->PanelText(1) != Installed);
    // No slot after the one being set was touched.
    for (int k = std::max(slot, 0) + 1; k <= 5; ++k)
        QVERIFY2(world->machine.Bank().Slot(std::int16_t(k)).Empty(), qPrintable(QString::number(k)));
}

// ---- The timer, the locked state and the rotor panel switch ------------------------------------------

void Form1FieldsTest::timerRule_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("cipher");
    QTest::addColumn<bool>("encrypt");
    QTest::addColumn<bool>("decrypt");

    for (const bool installed : {false, true}) {
        for (const bool plain : {false, true}) {
            for (const bool cipher : {false, true}) {
                QTest::addRow("%s, plain %s, cipher %s", installed ? "installed" : "not installed",
                              plain ? "text" : "empty", cipher ? "text" : "empty")
                    << installed << (plain ? "Текст" : "") << (cipher ? "Шифр" : "") << (installed && plain)
                    << (installed && cipher);
            }
        }
    }
    QTest::newRow("installed, lone space in each") << true << " " << " " << true << true;
    QTest::newRow("installed, lone line break in each") << true << "\r\n" << "\r\n" << true << true;
    QTest::newRow("not installed, lone space in each") << false << " " << " " << false << false;
}

void Form1FieldsTest::timerRule()
{
    QFETCH(bool, installed);
    QFETCH(QString, plain);
    QFETCH(QString, cipher);
    QFETCH(bool, encrypt);
    QFETCH(bool, decrypt);

    if (installed)
        Install("01234", "abcde");
    Control<QTimer>("Timer1")->stop();
    Control<RichTextBox>("RichTextBox2")->SetText(plain);
    Control<RichTextBox>("RichTextBox1")->SetText(cipher);
    // Start from the opposite state, so that the tick must set both.
    Control<ThreeDButton>("SSCommand9")->setVisible(!encrypt);
    Control<ThreeDButton>("SSCommand7")->setVisible(!decrypt);
    Tick();
    QCOMPARE(Control<ThreeDButton>("SSCommand9")->isVisible(), encrypt);
    QCOMPARE(Control<ThreeDButton>("SSCommand7")->isVisible(), decrypt);
}

void Form1FieldsTest::lockedDuringRun_data()
{
    QTest::addColumn<QString>("calls");  // b: bloc, r: Rebloc
    QTest::addColumn<bool>("locked");

    QTest::newRow("bloc") << "b" << true;
    QTest::newRow("Rebloc after bloc") << "br" << false;
    QTest::newRow("Rebloc twice after bloc twice") << "bbrr" << false;
    QTest::newRow("Rebloc alone") << "r" << false;
}

void Form1FieldsTest::lockedDuringRun()
{
    QFETCH(QString, calls);
    QFETCH(bool, locked);

    for (const QChar call : calls)
        call == u'b' ? f->bloc() : f->Rebloc();
    for (QWidget* button : {static_cast<QWidget*>(Control<ThreeDButton>("SSCommand2")),
                            static_cast<QWidget*>(Control<ThreeDButton>("SSCommand4")),
                            static_cast<QWidget*>(Control<ThreeDButton>("SSCommand5")),
                            static_cast<QWidget*>(Control<ThreeDButton>("SSCommand1"))})
        QVERIFY2(button->isVisible() == !locked, qPrintable(button->objectName()));
    QVERIFY(Control<ThreeDButton>("SSCommand3")->isVisible() && Control<ThreeDButton>("SSCommand6")->isVisible() &&
            Control<ThreeDButton>("SSCommand8")->isVisible());
    QCOMPARE(Control<ThreeDPanel>("SSPanel1")->isEnabled(), !locked);
    // The fields are inert with their panel; their own enabled flags are not touched.
    QCOMPARE(Control<FilteredField>("Text4")->isEnabled(), !locked);
    QVERIFY(Control<FilteredField>("Text4")->isEnabledTo(Control<ThreeDPanel>("SSPanel1")) &&
            Control<FilteredField>("Text5")->isEnabledTo(Control<ThreeDPanel>("SSPanel1")));
    QVERIFY(Control<QAction>("vbn")->isEnabled() && f->menuBar()->isEnabled());
}

void Form1FieldsTest::rotorPanelSwitch_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("width");  // pixels; 0 for the window as designed

    for (const char* route : {"command", "menu", "button", "F8"}) {
        QTest::addRow("%s", route) << route << 0;
        QTest::addRow("%s at another width", route) << route << 600;
    }
}

// Wide (11400 twips, checked) and narrow (8220, unchecked) alternate; any other width stays as it is.
void Form1FieldsTest::rotorPanelSwitch()
{
    QFETCH(QString, route);
    QFETCH(int, width);

    QVERIFY(Control<QAction>("vbn")->isCheckable());
    QVERIFY(Control<QAction>("vbn")->isChecked());
    if (width != 0) {
        f->setFixedWidth(width);
        SwitchRotorPanel(route);
        QCOMPARE(f->width(), width);
        QVERIFY(Control<QAction>("vbn")->isChecked());
        return;
    }
    SwitchRotorPanel(route);
    QCOMPARE(f->WidthTwips(), 8220);
    QCOMPARE(f->width(), Pixels(8220 - 90));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QVERIFY(!Control<QAction>("vbn")->isChecked());
    QVERIFY(Control<ThreeDPanel>("SSPanel1")->x() >= f->centralWidget()->width());

    SwitchRotorPanel(route);
    QCOMPARE(f->WidthTwips(), 11400);
    QCOMPARE(f->width(), Pixels(11400 - 90));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QVERIFY(Control<QAction>("vbn")->isChecked());
    QVERIFY(Control<ThreeDPanel>("SSPanel1")->x() < f->centralWidget()->width());
}

QTEST_MAIN(Form1FieldsTest)
#include "Form1FieldsTest.moc"
