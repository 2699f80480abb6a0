// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's modal boxes, recorded instead of shown.

#include "main_window/UserDialogs.h"

#include <QList>
#include <QPair>
#include <QString>

namespace velista::test {

// Records every box; every file dialog records what it was given and answers with chosenFile (empty,
// as by default: the dialog was cancelled).
struct RecordingDialogs final : UserDialogs {
    struct FileDialog {
        bool save = false;
        FileRequest request;
    };

    void Critical(QWidget*, const QString& text, const QString& title) override { critical.append({text, title}); }
    void Warning(QWidget*, const QString& text, const QString& title) override { warnings.append({text, title}); }
    void Information(QWidget*, const QString& text, const QString& title) override { information.append({text, title}); }
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
    QList<QPair<QString, QString>> information;
    QString chosenFile;
    QList<FileDialog> fileDialogs;
};

}  // namespace velista::test
