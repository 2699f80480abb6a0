// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's modal boxes and file dialogs, as the platform shows them.

#include "main_window/UserDialogs.h"

namespace velista {

class QtUserDialogs final : public UserDialogs {
public:
    void Critical(QWidget* parent, const QString& text, const QString& title) override;
    void Warning(QWidget* parent, const QString& text, const QString& title) override;
    void Information(QWidget* parent, const QString& text, const QString& title) override;
    QString ChooseFileToOpen(QWidget* parent, const FileRequest& request) override;
    QString ChooseFileToSave(QWidget* parent, const FileRequest& request) override;
};

}  // namespace velista
