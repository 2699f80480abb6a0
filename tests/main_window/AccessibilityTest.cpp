// SPDX-License-Identifier: GPL-3.0-or-later
// The main window for a screen reader and the keyboard alone: the accessible names of its controls, the
// rotor windows' text, value and change events, the tab chain and F1.

#include "help/Form4.h"
#include "installation/RotorWindows.h"
#include "main_window/RotorWindow.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "main_window/ThreeDPanel.h"
#include "tests/main_window/ScriptedClock.h"
#include "tests/main_window/WindowFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>

#include <memory>
#include <set>

using namespace velista;
using namespace velista::test;

namespace {

// The controls the Tab key can reach, visible and enabled or not.
QList<QWidget*> FocusableControls(Form1* form)
{
    QList<QWidget*> controls;
    for (QWidget* control : form->centralWidget()->findChildren<QWidget*>())
        if (control->focusPolicy() & Qt::TabFocus)
            controls << control;
    return controls;
}

QString NameOf(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlNames_data();
    void controlNames();
    void everyFocusableControlIsNamed();
    void menuTitles();
    void rotorWindows_data();
    void rotorWindows();
    void fastTurnsAnnouncedOnce();
    void tabChain_data();
    void tabChain();
    void f1OpensHelp();

private:
    std::unique_ptr<WindowFixture> w;
    Form1* f = nullptr;
    ScriptedClock clock;
};

void AccessibilityTest::init()
{
    w = std::make_unique<WindowFixture>();
    f = &w->form;
    clock = ScriptedClock();
    f->SetRunClock(clock);
    QApplication::setActiveWindow(f);
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void AccessibilityTest::cleanup()
{
    f = nullptr;
    w.reset();
}

void AccessibilityTest::controlNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");

    const auto row = [](const char* control, const char* name, QAccessible::Role role) {
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(name) << int(role);
    };
    row("SSCommand1", "Открыть шифротекст", QAccessible::Button);
    row("SSCommand2", "Открыть текст", QAccessible::Button);
    row("SSCommand3", "Новый текст", QAccessible::Button);
    row("SSCommand4", "Сохранить текст", QAccessible::Button);
    row("SSCommand5", "Сохранить шифротекст", QAccessible::Button);
    row("SSCommand6", "Новый шифротекст", QAccessible::Button);
    row("SSCommand7", "Дешифрация", QAccessible::Button);  // designed caption 'Дешифрация   '
    row("SSCommand8", "Панель роторов", QAccessible::Button);
    row("SSCommand9", "Шифрование", QAccessible::Button);  // designed caption 'Шифрование  '
    row("SSCommand10", "Установить роторы", QAccessible::Button);
    row("RichTextBox2", "Открытый текст", QAccessible::EditableText);
    row("RichTextBox1", "Шифротекст", QAccessible::EditableText);
    row("Text4", "Роторы", QAccessible::EditableText);  // from its label, a buddy
    row("Text5", "Ключ", QAccessible::EditableText);
}

// Each focusable control has a trimmed name of its own, while the designed captions keep their blanks.
void AccessibilityTest::controlNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);

    QWidget* widget = f->findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(int(iface->role()), role);
    for (QWidget* other : FocusableControls(f))
        QVERIFY2(other == widget || NameOf(other) != name, qPrintable(other->objectName()));
    if (auto* button = qobject_cast<ThreeDButton*>(widget); button && !button->text().isEmpty())
        QCOMPARE(button->text().trimmed(), name);  // the caption on the screen is the designed one
}

// No focusable control is left out of the table above: a new one needs a name too.
void AccessibilityTest::everyFocusableControlIsNamed()
{
    const QStringList named = {"SSCommand1", "SSCommand2",   "SSCommand3",   "SSCommand4", "SSCommand5",
                               "SSCommand6", "SSCommand7",   "SSCommand8",   "SSCommand9", "SSCommand10",
                               "RichTextBox2", "RichTextBox1", "Text4",        "Text5"};
    QStringList focusable;
    for (QWidget* control : FocusableControls(f)) {
        focusable << control->objectName();
        const QString name = NameOf(control);
        QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(control->objectName() + ": '" + name + "'"));
    }
    focusable.sort();
    QStringList expected = named;
    expected.sort();
    QCOMPARE(focusable, expected);
}

// The menu titles keep their designed blanks on the screen (' Файл '), and are read without them.
void AccessibilityTest::menuTitles()
{
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(f->menuBar());
    QVERIFY(bar);
    QCOMPARE(bar->childCount(), f->menuBar()->actions().size());
    QStringList names;
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface* title = bar->child(i);
        QVERIFY(title);
        QAction* action = f->menuBar()->actions().at(i);
        QVERIFY(action->text().startsWith(u' ') && action->text().endsWith(u' '));
        QCOMPARE(title->text(QAccessible::Name), action->text().trimmed());
        QCOMPARE(title->role(), QAccessible::MenuItem);
        QCOMPARE(title->parent()->object(), f->menuBar());
        QCOMPARE(title->child(0)->object(), action->menu());  // the menu opens under its title
        QCOMPARE(title->child(0)->parent()->text(QAccessible::Name), action->text().trimmed());
        names << title->text(QAccessible::Name);
    }
    QVERIFY2(names.contains("Файл") && names.contains("Обучение") && names.contains("Помощь"), qPrintable(names.join('|')));
}

void AccessibilityTest::rotorWindows_data()
{
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("steps");

    QTest::newRow("installed") << "01234" << "Ключ1" << 0;
    QTest::newRow("installed, a space in the key") << "98765" << "a b(]" << 0;
    QTest::newRow("one step") << "73915" << "Ключ1" << 1;
    QTest::newRow("135 steps: slot 2 turns") << "73915" << "Zz09я" << 135;
}

// Each rotor window is named after its slot, tells its top symbol as its value and the symbols it shows,
// top first, as its text: after an installation the key stands on top.
void AccessibilityTest::rotorWindows()
{
    QFETCH(QString, rotors);
    QFETCH(QString, key);
    QFETCH(int, steps);

    for (int i = 0; i < 5; ++i) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(RotorWindowAt(*f, i));
        QVERIFY(iface && iface->textInterface());
        QCOMPARE(iface->text(QAccessible::Value), QString());  // blank until installed
    }
    QVERIFY(w->Install(rotors, key));
    RotorBank& bank = w->machine.Bank();
    for (int k = 0; k < steps; ++k)
        Usl_Procr(bank, *f);
    for (int i = 0; i < 5; ++i) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(RotorWindowAt(*f, i));
        const RotorSlot& slot = bank.Slot(std::int16_t(i + 1));
        QStringList shown;
        for (int p = 0; p < WindowLines; ++p)
            shown << QString(QChar(slot.EntryAt(p)));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Гнездо %1").arg(i + 1));
        QCOMPARE(iface->text(QAccessible::Value), shown.front());
        if (steps == 0)
            QCOMPARE(iface->text(QAccessible::Value), key.mid(i, 1));
        QAccessibleTextInterface* text = iface->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), shown.join('\n'));
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
    }
}

// Many turns in a row are announced once, with the last state, after the window has been quiet.
void AccessibilityTest::fastTurnsAnnouncedOnce()
{
    QVERIFY(w->Install("01234", "Ключ1"));
    QTest::qWait(2 * RotorWindow::AnnounceMilliseconds);
    QList<std::pair<int, QString>> told;  // (window, symbol on top)
    for (int i = 0; i < 5; ++i)
        connect(RotorWindowAt(*f, i), &RotorWindow::Announced, this, [&told, i](const QString& top) {
            told.append({i, top});
        });
    RotorBank& bank = w->machine.Bank();
    for (int k = 0; k < 140; ++k)
        Usl_Procr(bank, *f);  // no event is handled in between, as in one slice of a run
    QTest::qWait(2 * RotorWindow::AnnounceMilliseconds);
    const auto first = told;
    const QString slot1Top = QString(QChar(bank.Slot(1).EntryAt(0)));
    const QString slot2Top = QString(QChar(bank.Slot(2).EntryAt(0)));
    Usl_Procr(bank, *f);
    QTest::qWait(2 * RotorWindow::AnnounceMilliseconds);

    // Slots 1 and 2 turned: one announcement each, with the symbol now on top.
    QCOMPARE(first.size(), 2);
    QCOMPARE(first[0], std::pair(0, slot1Top));
    QCOMPARE(first[1], std::pair(1, slot2Top));
    QCOMPARE(told.size(), 3);  // the single step turns slot 1 only
    QCOMPARE(told[2], std::pair(0, QString(QChar(bank.Slot(1).EntryAt(0)))));
    QCOMPARE(QAccessible::queryAccessibleInterface(RotorWindowAt(*f, 0))->text(QAccessible::Value), told[2].second);
}

void AccessibilityTest::tabChain_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("chain");  // in the designed tab order

    QTest::newRow("at start") << "start"
                              << QStringList{"RichTextBox2", "SSCommand2", "SSCommand3", "SSCommand4", "SSCommand1",
                                             "SSCommand5",   "SSCommand6", "Text5",      "Text4",      "RichTextBox1",
                                             "SSCommand8"};
    QTest::newRow("rotors installed, both texts")
        << "installed"
        << QStringList{"RichTextBox2", "SSCommand9", "SSCommand2", "SSCommand3",  "SSCommand4",
                       "SSCommand1",   "SSCommand5", "SSCommand6", "SSCommand7",  "SSCommand10",
                       "Text5",        "Text4",      "RichTextBox1", "SSCommand8"};
    QTest::newRow("rotor panel hidden") << "narrow"
                                        << QStringList{"RichTextBox2", "SSCommand9", "SSCommand2", "SSCommand3",
                                                       "SSCommand4",   "SSCommand1", "SSCommand5", "SSCommand6",
                                                       "SSCommand7",   "RichTextBox1", "SSCommand8"};
    QTest::newRow("a paused decryption") << "paused"
                                         << QStringList{"RichTextBox2", "SSCommand3", "SSCommand6", "RichTextBox1",
                                                        "SSCommand8"};
}

// From the window's focus, Tab visits every enabled control once, in the designed order, and comes back;
// the focus never lands on a hidden or disabled control.
void AccessibilityTest::tabChain()
{
    QFETCH(QString, state);
    QFETCH(QStringList, chain);

    Control<RichTextBox>(*f, "RichTextBox1")->SetText(QStringLiteral("Шифротекст."));
    if (state != "start") {
        QVERIFY(w->Install("01234", "Ключ1"));
        w->Tick();
    }
    if (state == "narrow")
        QTest::keyClick(f, Qt::Key_F8);
    QStringList visited;
    const auto walk = [&] {
        QWidget* start = QApplication::focusWidget();
        QVERIFY(start);
        for (int i = 0; i < 3 * chain.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus->isVisibleTo(f) && focus->isEnabled(), qPrintable(focus->objectName()));
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
            if (QApplication::focusWidget() == start)
                return;
        }
        QFAIL("Tab did not come back");
    };
    if (state == "paused") {
        // The decryption button has the focus and starts the run by F6; the run hides it.
        Control<RichTextBox>(*f, "RichTextBox2")->SetText(QString());
        w->Tick();
        Control<ThreeDButton>(*f, "SSCommand7")->setFocus();
        clock.onWait = [&](qint64 deadline) {
            if (deadline != RunClock::NoDeadline || !visited.isEmpty())
                return;
            QCOMPARE(QApplication::focusWidget(), Control<RichTextBox>(*f, "RichTextBox2"));  // the working area
            walk();
            Control<RichTextBox>(*f, "RichTextBox2")->setFocus();
            QTest::keyClick(f, Qt::Key_F5);
        };
        QTest::keyClick(f, Qt::Key_F6);
        QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), QStringLiteral("Дешифрование  выполнено."));
        QCOMPARE(QApplication::focusWidget(), Control<RichTextBox>(*f, "RichTextBox2"));  // the result
    } else {
        Control<RichTextBox>(*f, "RichTextBox2")->setFocus();
        walk();
    }
    // The walk starts at the plain-text area, the first control of the designed order.
    QCOMPARE(visited.join(' '), chain.join(' '));
}

// F1 opens the help page «Справка», the window of the menu entry «Помощь».
void AccessibilityTest::f1OpensHelp()
{
    QTest::keyClick(f, Qt::Key_F1);
    Form4* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* page = qobject_cast<Form4*>(window); page && page->isVisible())
            help = page;
    QVERIFY(help);
    help->close();
    QTest::keyClick(f, Qt::Key_F1);  // again after it was closed
    QVERIFY(help->isVisible() || std::any_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                                             [](QWidget* window) { return qobject_cast<Form4*>(window) && window->isVisible(); }));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
