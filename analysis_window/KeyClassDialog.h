// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// «Ключи класса»: the 135 keys that encipher alike with a found setting's rotors, listed, and a field that
// tells whether a key typed into it (the one the teacher chose, say) is one of them.

#include "analysis/KeyClass.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace velista {

class KeyClassDialog : public QDialog {
    Q_OBJECT

public:
    KeyClassDialog(const analysis::AttackSetting& setting, const analysis::RotorTables& tables,
                   QWidget* parent = nullptr);

    QListWidget* keyList = nullptr;
    QLineEdit* checkKeyField = nullptr;
    QLabel* checkKeyAnswer = nullptr;

private:
    void CheckKey();

    analysis::KeyClass keys_;
};

}  // namespace velista
