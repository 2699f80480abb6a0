// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's suites share: the window in its fixture, the status texts, typing into a field,
// installing through the fields and the button, and the checks of an installed bank.

#include "installation/CipherMachine.h"
#include "main_window/FilteredField.h"
#include "main_window/Form1.h"
#include "main_window/RichTextBox.h"
#include "main_window/RotorWindow.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "main_window/ThreeDPanel.h"
#include "tests/main_window/WindowFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace velista::test {

inline const QString NotInstalled = QStringLiteral("ВНИМАНИЕ!  Роторы НЕ установлены.");
inline const QString NotInstalledAfterRotors = QStringLiteral("ВНИМАНИЕ!Рторы НЕ установлены.");
inline const QString Installed = QStringLiteral("Роторы  установлены.");
inline const QString BlankLine = QStringLiteral("       ");

inline int Pixels(int twips) { return qRound(twips / 15.0); }

inline QString WindowLine(QChar symbol) { return QStringLiteral("   ") + symbol + QStringLiteral("   "); }

// Types each character as a key press; "\b" is the backspace key.
inline void Type(QWidget* field, const QString& keys)
{
    for (const QChar c : keys) {
        if (c == u'\b')
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, field, c.isPrint() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
}

inline QString CaptionOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* panel = qobject_cast<ThreeDPanel*>(control))
        return panel->Caption();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return field->text();
    return {};
}

// Runs action once, at the first event-loop pass in which condition holds, while work runs.
inline bool RunDuring(const std::function<bool()>& condition, const std::function<void()>& action,
               const std::function<void()>& work)
{
    bool done = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!done && condition()) {
            done = true;
            action();
        }
    });
    poll.start();
    work();
    poll.stop();
    return done;
}

// The window in a fresh fixture for every test function, and the steps the suites take on it.
class Form1Suite {
protected:
    void StartWindow()
    {
        world = std::make_unique<WindowFixture>();
        f = &world->form;
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    void StopWindow()
    {
        world.reset();
        f = nullptr;
    }

    FilteredField* Field(const QString& name) const { return Control<FilteredField>(name); }
    void Tick() { QVERIFY(QMetaObject::invokeMethod(Control<QTimer>("Timer1"), "timeout")); }
    void SetFields(const QString& rotors, const QString& key);
    void Install(const QString& rotors, const QString& key);
    void CheckInstalled(const QString& rotors, const QString& key);
    // The rotor panel switch by one of its routes: the command, the menu entry, the button or F8.
    void SwitchRotorPanel(const QString& route)
    {
        if (route == "command")
            f->ToggleRotorPanel();
        else if (route == "menu")
            Control<QAction>("vbn")->trigger();
        else if (route == "button")
            QTest::mouseClick(Control<ThreeDButton>("SSCommand8"), Qt::LeftButton);
        else
            QTest::keyClick(f, Qt::Key_F8);
    }
    // A control of the window by its designed name; a name the window lacks stops the test with it.
    template <typename T = QWidget>
    T* Control(const QString& name) const
    {
        return test::Control<T>(*f, name);
    }

    std::unique_ptr<WindowFixture> world;
    Form1* f = nullptr;
};

inline void Form1Suite::SetFields(const QString& rotors, const QString& key)
{
    Control<FilteredField>("Text5")->setText(key);
    Control<FilteredField>("Text4")->setText(rotors);
    QCOMPARE(Control<FilteredField>("Text4")->text(), rotors);
    QCOMPARE(Control<FilteredField>("Text5")->text(), key);
}

inline void Form1Suite::Install(const QString& rotors, const QString& key)
{
    SetFields(rotors, key);
    QVERIFY(Control<ThreeDButton>("SSCommand10")->isEnabled());
    QTest::mouseClick(Control<ThreeDButton>("SSCommand10"), Qt::LeftButton);
    QVERIFY(f->RotorsInstalled());
}

// Every slot holds the rotor its digit names, turned so that its key symbol is on top, and every rotor
// window shows the slot's entry row positions 0 to 22.
inline void Form1Suite::CheckInstalled(const QString& rotors, const QString& key)
{
    QVERIFY(f->RotorsInstalled());
    QCOMPARE(Control<StatusBar>("StatusBar1")->PanelText(1), Installed);
    QVERIFY(!Control<ThreeDButton>("SSCommand10")->isEnabled());
    for (std::int16_t k = 1; k <= 5; ++k) {
        const RotorSlot& slot = world->machine.Bank().Slot(k);
        const RotorWindow* window = RotorWindowAt(*f, k - 1);
        QVERIFY(slot.Copied() == world->machine.Catalogue()[rotors[k - 1].digitValue()]);
        QCOMPARE(QChar(slot.EntryAt(0)), key[k - 1]);
        QCOMPARE(window->Lines().size(), 23);
        QCOMPARE(window->Lines().front(), WindowLine(key[k - 1]));
        for (int p = 0; p < 23; ++p)
            QCOMPARE(window->Lines()[p], WindowLine(QChar(slot.EntryAt(p))));
    }
}

}  // namespace velista::test
