#pragma once
// Stand-ins for the platform services and the modal boxes of the main window, and the event loop the
// machine is built with before the window exists.

#include "Beeper.h"
#include "EventLoop.h"
#include "KeyboardState.h"
#include "ProgramLauncher.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>

namespace velista::test {

struct CountingBeeper final : Beeper {
    void Beep() override { ++beeps; }
    int beeps = 0;
};

struct FakeKeyboard final : KeyboardState {
    bool CapsLock() const override { return caps; }
    bool NumLock() const override { return num; }
    std::string LayoutIdentifier() const override { return layout; }

    bool caps = false;
    bool num = false;
    std::string layout = "00000409";
};

struct FakeLauncher final : ProgramLauncher {
    bool FileExists(const QString&) const override { return false; }
    bool Start(const QString& path) override
    {
        starts.append(path);
        return false;
    }
    QStringList starts;
};

// Records every box instead of showing it; every file dialog records what it was given and answers
// with chosenFile (empty, as by default: the dialog was cancelled).
struct RecordingDialogs final : UserDialogs {
    struct FileDialog {
        bool save = false;
        FileRequest request;
    };

    void Critical(QWidget*, const QString& text, const QString& title) override { critical.append({text, title}); }
    void Warning(QWidget*, const QString& text, const QString& title) override { warnings.append({text, title}); }
    QString ChooseFileToOpen(QWidget*, const FileRequest& request) override
    {
        fileDialogs.append({false, request});
        return chosenFile;
    }
    QString ChooseFileToSave(QWidget*, const FileRequest& request) override
    {
        fileDialogs.append({true, request});
        return chosenFile;
    }

    QList<QPair<QString, QString>> critical;  // (text, title)
    QList<QPair<QString, QString>> warnings;
    QString chosenFile;
    QList<FileDialog> fileDialogs;
};

struct ProcessEventsLoop final : EventLoop {
    void Yield() override { QCoreApplication::processEvents(); }
};

}  // namespace velista::test
