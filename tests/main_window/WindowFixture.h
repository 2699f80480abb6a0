// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window with stand-ins for the platform, for the suites that drive its commands, and the
// formats of its text areas, and the program's files.

#include "installation/CipherMachine.h"
#include "machine/Windows1251.h"
#include "main_window/FilteredField.h"
#include "main_window/Form1.h"
#include "main_window/RichTextBox.h"
#include "main_window/RotorWindow.h"
#include "platform/ApplicationEventLoop.h"
#include "platform/NoRegistry.h"
#include "tests/support/CountingBeeper.h"
#include "tests/support/FakeKeyboard.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/RecordingDialogs.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QtTest>

#include <array>
#include <memory>

namespace velista::test {

// A control of a window by its designed objectName, as a user's script would find it; a name the window
// lacks stops the test at once, with the name.
template <typename T>
T* Control(const QObject& window, const QString& name)
{
    T* control = window.findChild<T*>(name);
    if (!control)
        qFatal("%s has no %s named \"%s\"", qPrintable(window.objectName()), T::staticMetaObject.className(),
               qPrintable(name));
    return control;
}

// The rotor window of slot index + 1, "List2(index)".
inline RotorWindow* RotorWindowAt(const QObject& window, int index)
{
    return Control<RotorWindow>(window, QStringLiteral("List2(%1)").arg(index));
}

inline std::array<RotorWindow*, 5> RotorWindows(const QObject& window)
{
    std::array<RotorWindow*, 5> windows{};
    for (int i = 0; i < int(windows.size()); ++i)
        windows[std::size_t(i)] = RotorWindowAt(window, i);
    return windows;
}

struct WindowFixture {
    WindowFixture()
        : form(machine, Platform{beeper, keyboard, registry, launcher}, dialogs, QStringLiteral("/program"))
    {
        form.show();
    }

    // Rotors installed through the two fields, as the install button does it.
    bool Install(const QString& rotors, const QString& key)
    {
        Control<FilteredField>(form, "Text5")->setText(key);
        Control<FilteredField>(form, "Text4")->setText(rotors);
        return form.InstallRotors();
    }
    void Tick() { QMetaObject::invokeMethod(Control<QTimer>(form, "Timer1"), "timeout"); }

    ApplicationEventLoop loop;
    CountingBeeper beeper;
    FakeKeyboard keyboard;
    NoRegistry registry;
    FakeLauncher launcher;
    RecordingDialogs dialogs;
    CipherMachine machine{loop};
    Form1 form;
};

inline QByteArray Cp1251(const QString& text)
{
    return QByteArray::fromStdString(Windows1251::Encode(text.toStdU16String()));
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void SetFormat(RichTextBox* box, const QString& family, qreal points, bool underline)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    format.setFontUnderline(underline);
    QTextCursor cursor(box->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
}

// The document position of the area's first character that is not in that font, or -1.
inline int FirstOutOfFormat(RichTextBox* box, const QString& family, qreal points, bool underline)
{
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.fontFamilies().toStringList().value(0) != family || format.fontPointSize() != points ||
                format.fontUnderline() != underline)
                return it.fragment().position();
        }
    }
    return -1;
}

}  // namespace velista::test
