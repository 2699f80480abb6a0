// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the program's windows: Russian or English, as the user chose in «Язык / Language» or,
// by default, as the system lists its languages; the choice is kept in the settings store.

#include <QLocale>
#include <QObject>
#include <QStringList>

class QAction;
class QActionGroup;
class QSettings;

namespace velista {

class InterfaceLanguage : public QObject {
    Q_OBJECT

public:
    enum class Choice { System, Russian, English };
    // The key the choice is kept under in the settings store: "ru", "en" or "system".
    static constexpr char SettingsKey[] = "window/language";

    // store: where the choice is read from now and written to when the user changes it; nullptr keeps it
    // for this object's life only. A stored value that names no choice follows the system, quietly.
    // systemLanguages: the system's languages, most wanted first (QLocale::system().uiLanguages()).
    // The store must outlive this object.
    explicit InterfaceLanguage(QSettings* store, QStringList systemLanguages, QObject* parent = nullptr);

    Choice Chosen() const { return chosen_; }
    // The language the windows speak from this start on: Russian or English.
    QLocale::Language Language() const { return Resolve(chosen_, systemLanguages_); }
    // The language the choice gives on this system; the windows change to it at the next start.
    void Choose(Choice choice);
    // The language the windows speak in fact: Russian when Language() is English but its catalogue is
    // missing. A choice that gives it changes nothing.
    void SetSpoken(QLocale::Language spoken) { started_ = spoken; }

    // "Как в системе", "Русский", "English": one checked, each choosing its language. Made on the first
    // call, so that the first is in the language installed by then.
    QList<QAction*> Actions();

    // English when English comes before Russian in the list; Russian when Russian comes first or
    // neither is there.
    static QLocale::Language Resolve(Choice choice, const QStringList& systemLanguages);
    // The choice a stored text names, or System when it names none.
    static Choice ParseStored(const QString& text);

signals:
    // The user chose a language other than the one the windows speak now.
    void ChangesAtNextStart(QLocale::Language language);

private:
    QSettings* store_;
    QStringList systemLanguages_;
    Choice chosen_ = Choice::System;
    QLocale::Language started_;
    QActionGroup* group_ = nullptr;
};

}  // namespace velista
