// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/KeyClassDialog.h"

#include "analysis_window/KeyText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace velista {

KeyClassDialog::KeyClassDialog(const analysis::AttackSetting& setting, const analysis::RotorTables& tables,
                               QWidget* parent)
    : QDialog(parent), keys_(setting, tables)
{
    setObjectName("keyClassDialog");
    const QString rotors = QString::fromStdU16String(setting.Rotors().Text());
    setWindowTitle(tr("Ключи класса, роторы %1").arg(rotors));
    auto* note = new QLabel(tr("Эти 135 ключей шифруют с роторами %1 одинаково: каждый поворачивает все пять "
                               "гнёзд на одно и то же число шагов дальше предыдущего, а контакты между гнёздами "
                               "от этого не меняются. Первым стоит найденный ключ.")
                                .arg(rotors),
                            this);
    note->setWordWrap(true);
    keyList = new QListWidget(this);
    keyList->setObjectName("keyList");
    keyList->setAccessibleName(tr("Ключи класса"));
    for (const std::u16string& key : keys_.Keys()) {
        const QString text = QString::fromStdU16String(key);
        auto* item = new QListWidgetItem(KeyText::Quoted(text), keyList);
        item->setToolTip(KeyText::Scripts(text));
        item->setData(Qt::UserRole, text);
    }
    auto* fieldLabel = new QLabel(tr("&Проверить ключ:"), this);
    checkKeyField = new QLineEdit(this);
    checkKeyField->setObjectName("checkKeyField");
    checkKeyField->setMaxLength(5);
    checkKeyField->setAccessibleName(tr("Проверить ключ"));
    fieldLabel->setBuddy(checkKeyField);
    checkKeyAnswer = new QLabel(this);
    checkKeyAnswer->setObjectName("checkKeyAnswer");
    checkKeyAnswer->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(keyList, 1);
    layout->addWidget(fieldLabel);
    layout->addWidget(checkKeyField);
    layout->addWidget(checkKeyAnswer);
    layout->addWidget(buttons);
    connect(checkKeyField, &QLineEdit::textChanged, this, &KeyClassDialog::CheckKey);
    CheckKey();
    checkKeyField->setFocus();
}

void KeyClassDialog::CheckKey()
{
    const QString key = checkKeyField->text();
    if (key.size() != 5) {
        checkKeyAnswer->setText(tr("Наберите пять символов ключа."));
        return;
    }
    const bool member = keys_.Contains(key.toStdU16String());
    checkKeyAnswer->setText(member ? tr("Ключ %1 входит в класс: с роторами найденной настройки он шифрует так же.")
                                         .arg(KeyText::Quoted(key))
                                   : tr("Ключ %1 не входит в класс: с этими роторами он шифрует иначе.")
                                         .arg(KeyText::Quoted(key)));
    checkKeyField->setAccessibleDescription(checkKeyAnswer->text());
}

}  // namespace velista
