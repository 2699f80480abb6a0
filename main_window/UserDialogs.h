// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal boxes and file dialogs the main window shows, behind an interface so that tests answer them
// instead of a user.

#include <QString>

class QWidget;

namespace velista {

class UserDialogs {
public:
    // What a file dialog is given.
    struct FileRequest {
        QString initialDirectory;  // a folder, or the full path of the last file
        QString filter;            // description and pattern, "(…)|*.txt"
        QString defaultExtension;  // without the dot
    };

    virtual ~UserDialogs() = default;

    // A box with the critical-error icon and an OK button; returns when it is closed.
    virtual void Critical(QWidget* parent, const QString& text, const QString& title) = 0;
    // A box that tells why a command could not be done; returns when it is closed.
    virtual void Warning(QWidget* parent, const QString& text, const QString& title) = 0;
    // A box that tells what a command did, when that is not to be seen at once; returns when it is closed.
    virtual void Information(QWidget* parent, const QString& text, const QString& title) = 0;

    // The chosen file's full path, or the empty text when the user cancelled.
    virtual QString ChooseFileToOpen(QWidget* parent, const FileRequest& request) = 0;
    virtual QString ChooseFileToSave(QWidget* parent, const FileRequest& request) = 0;
};

}  // namespace velista
