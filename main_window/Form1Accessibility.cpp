// SPDX-License-Identifier: GPL-3.0-or-later
// The main window for a screen reader and the keyboard alone: one table of accessible names, the labels
// as buddies of their fields, the rotor windows' view, the run's state in one place, F1, and the focus
// kept on controls that can take it. The rotor windows' own view is RotorWindowAccessible.

#include "main_window/Form1.h"

#include "help/InformationWindows.h"
#include "main_window/FilteredField.h"
#include "main_window/MenuTitleAccessible.h"
#include "main_window/RichTextBox.h"
#include "main_window/RotorWindow.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "main_window/ThreeDPanel.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>

namespace velista {

namespace {

// Half a second between two descriptions of a running run: a screen reader keeps up.
constexpr qint64 RunStateMilliseconds = 500;

struct AccessibleText {
    QWidget* control;
    const char* name;         // trimmed: the designed captions keep their blanks on the screen only
    const char* description;  // the key that gives the command, where there is one
};

}  // namespace

void Form1::CreateAccessibility()
{
    // Installed once for the program, before a screen reader first walks the menu bar.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&MenuTitleAccessible::Factory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    const AccessibleText texts[] = {
        {SSCommand1, QT_TR_NOOP("Открыть шифротекст"), "Shift+F4"},
        {SSCommand2, QT_TR_NOOP("Открыть текст"), "Ctrl+F4"},
        {SSCommand3, QT_TR_NOOP("Новый текст"), "Ctrl+F3"},
        {SSCommand4, QT_TR_NOOP("Сохранить текст"), "Ctrl+F2"},
        {SSCommand5, QT_TR_NOOP("Сохранить шифротекст"), "Shift+F2"},
        {SSCommand6, QT_TR_NOOP("Новый шифротекст"), "Shift+F3"},
        {SSCommand7, QT_TR_NOOP("Дешифрация"), QT_TR_NOOP("расшифровать шифротекст в открытый текст")},
        {SSCommand8, QT_TR_NOOP("Панель роторов"), QT_TR_NOOP("показать или скрыть, F8")},
        {SSCommand9, QT_TR_NOOP("Шифрование"), QT_TR_NOOP("зашифровать открытый текст в шифротекст")},
        {SSCommand10, QT_TR_NOOP("Установить роторы"), QT_TR_NOOP("повернуть роторы к ключу")},
        {RichTextBox2, QT_TR_NOOP("Открытый текст"), ""},
        {RichTextBox1, QT_TR_NOOP("Шифротекст"), ""},
        {List2[0], QT_TR_NOOP("Гнездо 1"), ""},
        {List2[1], QT_TR_NOOP("Гнездо 2"), ""},
        {List2[2], QT_TR_NOOP("Гнездо 3"), ""},
        {List2[3], QT_TR_NOOP("Гнездо 4"), ""},
        {List2[4], QT_TR_NOOP("Гнездо 5"), ""},
        {SSPanel1, QT_TR_NOOP("Роторы и ключ"), ""},
        {SSPanel2, QT_TR_NOOP("Панель команд"), ""},
    };
    for (const AccessibleText& text : texts) {
        text.control->setAccessibleName(tr(text.name));
        // A shortcut ("Ctrl+F4") is not in the catalogue and stays as it is.
        text.control->setAccessibleDescription(tr(text.description));
    }
    // The fields take their names from their labels, «Роторы» and «Ключ».
    Label1->setBuddy(Text4);
    Label2->setBuddy(Text5);

    helpKeyAction = new QAction(tr("Справка"), this);
    helpKeyAction->setObjectName("helpKeyAction");
    helpKeyAction->setShortcut(QKeySequence(Qt::Key_F1));
    helpKeyAction->setShortcutContext(Qt::WindowShortcut);
    addAction(helpKeyAction);
    connect(helpKeyAction, &QAction::triggered, this, [this] { informationWindows_->ShowHelp(); });
}

QString Form1::RunStateText() const
{
    if (!runArea_)
        return {};
    return tr("%1, позиция %2 из %3%4")
        .arg(runArea_ == RichTextBox1 ? tr("шифрование") : tr("дешифрование"))
        .arg(runPosition_)
        .arg(runCount_)
        .arg(paused_ ? tr(", пауза") : QString());
}

void Form1::TellRunState(bool now)
{
    if (!now && runStateTold_.isValid() && runStateTold_.elapsed() < RunStateMilliseconds)
        return;
    runStateTold_.start();
    const QString text = RunStateText();
    QLabel* panel = StatusBar1->Panel(2);
    if (panel->accessibleDescription() != text)
        panel->setAccessibleDescription(text);
}

void Form1::MoveFocusForRun(RichTextBox* working)
{
    focusBeforeRun_ = focusWidget();
    QWidget* focus = focusBeforeRun_;
    const bool locked = focus == SSCommand9 || focus == SSCommand7 || focus == SSCommand1 || focus == SSCommand2 ||
                        focus == SSCommand4 || focus == SSCommand5 || (focus && SSPanel1->isAncestorOf(focus));
    if (!focus || locked)
        working->setFocus(Qt::OtherFocusReason);
}

void Form1::RestoreFocusAfterRun(RichTextBox* working)
{
    // From a run button the focus goes to the result, where the next Space types rather than runs again.
    QWidget* before = focusBeforeRun_;
    focusBeforeRun_ = nullptr;
    if (before && before != SSCommand9 && before != SSCommand7 && before->isVisibleTo(this) && before->isEnabled())
        before->setFocus(Qt::OtherFocusReason);
    else
        working->setFocus(Qt::OtherFocusReason);
}

void Form1::KeepFocusUsable()
{
    QWidget* focus = focusWidget();
    if (focus && focus->isVisibleTo(this) && focus->isEnabled())
        return;
    if (focus && focusNextChild()) {
        QWidget* next = focusWidget();
        if (next && next->isVisibleTo(this) && next->isEnabled())
            return;
    }
    RichTextBox2->setFocus(Qt::OtherFocusReason);
}

}  // namespace velista
