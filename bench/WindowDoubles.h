// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window benchmarks give the main window instead of real dialogs and a real keyboard, and how they
// reach its controls: by their designed names.

#include "main_window/UserDialogs.h"
#include "platform/KeyboardState.h"

#include <QObject>
#include <QString>

#include <string>

namespace velista::bench {

struct NoDialogs final : UserDialogs {
    void Critical(QWidget*, const QString&, const QString&) override {}
    void Warning(QWidget*, const QString&, const QString&) override {}
    void Information(QWidget*, const QString&, const QString&) override {}
    QString ChooseFileToOpen(QWidget*, const FileRequest&) override { return {}; }
    QString ChooseFileToSave(QWidget*, const FileRequest&) override { return {}; }
};

struct RussianKeyboard final : KeyboardState {
    bool CapsLock() const override { return false; }
    bool NumLock() const override { return false; }
    std::string LayoutIdentifier() const override { return "00000419"; }
};

// A control of the window by its objectName; a name the window lacks stops the benchmark with the name.
template <typename T>
T* Control(const QObject& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("The window has no %s named \"%s\"", T::staticMetaObject.className(), name);
    return control;
}

}  // namespace velista::bench
