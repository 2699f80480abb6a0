// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/InterfaceLanguage.h"

#include <QAction>
#include <QActionGroup>
#include <QSettings>

namespace velista {

namespace {

struct Named {
    InterfaceLanguage::Choice choice;
    const char* stored;
    const char* objectName;
};
constexpr Named Choices[] = {
    {InterfaceLanguage::Choice::System, "system", "languageSystemAction"},
    {InterfaceLanguage::Choice::Russian, "ru", "languageRussianAction"},
    {InterfaceLanguage::Choice::English, "en", "languageEnglishAction"},
};

}  // namespace

InterfaceLanguage::InterfaceLanguage(QSettings* store, QStringList systemLanguages, QObject* parent)
    : QObject(parent)
    , store_(store)
    , systemLanguages_(std::move(systemLanguages))
{
    setObjectName("InterfaceLanguage");
    // A store that cannot be read (a broken file, a folder in its place) reads as empty: the system's language.
    if (store_ != nullptr && store_->status() == QSettings::NoError)
        chosen_ = ParseStored(store_->value(QString::fromLatin1(SettingsKey)).toString());
    started_ = Language();
}

QLocale::Language InterfaceLanguage::Resolve(Choice choice, const QStringList& systemLanguages)
{
    if (choice == Choice::Russian)
        return QLocale::Russian;
    if (choice == Choice::English)
        return QLocale::English;
    // The entries are BCP 47 names ("en-GB", "ru"), and under some systems POSIX ones ("en_GB"); a
    // language of neither kind (German, Arabic) is passed over.
    for (const QString& name : systemLanguages) {
        const QString language = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("ru"))
            return QLocale::Russian;
        if (language == QLatin1String("en"))
            return QLocale::English;
    }
    return QLocale::Russian;
}

InterfaceLanguage::Choice InterfaceLanguage::ParseStored(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const Named& named : Choices) {
        if (trimmed == QLatin1String(named.stored))
            return named.choice;
    }
    return Choice::System;
}

void InterfaceLanguage::Choose(Choice choice)
{
    if (choice == chosen_)
        return;
    chosen_ = choice;
    if (store_ != nullptr) {
        for (const Named& named : Choices) {
            if (named.choice == choice)
                store_->setValue(QString::fromLatin1(SettingsKey), QString::fromLatin1(named.stored));
        }
        store_->sync();
    }
    if (group_ != nullptr) {
        for (QAction* action : group_->actions())
            action->setChecked(action->data().toInt() == int(choice));
    }
    // Menus, captions and the texts the windows built from them would need building anew; a new start
    // does that for every window at once.
    if (Language() != started_)
        emit ChangesAtNextStart(Language());
}

QList<QAction*> InterfaceLanguage::Actions()
{
    if (group_ == nullptr) {
        group_ = new QActionGroup(this);
        for (const Named& named : Choices) {
            // Each language is named in itself, so that a user who cannot read the other finds it.
            const QString caption = named.choice == Choice::System ? tr("Как в системе")
                                    : named.choice == Choice::Russian ? QStringLiteral("Русский")
                                                                       : QStringLiteral("English");
            auto* action = new QAction(caption, group_);
            action->setObjectName(QString::fromLatin1(named.objectName));
            action->setCheckable(true);
            action->setChecked(named.choice == chosen_);
            action->setData(int(named.choice));
            connect(action, &QAction::triggered, this, [this, choice = named.choice] { Choose(choice); });
        }
    }
    return group_->actions();
}

}  // namespace velista
