// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/PluralForm.h"

#include <QCoreApplication>
#include <QTranslator>

namespace velista {

namespace {

// The Russian plural forms, the only entries of velista_ru.qm: the source texts are Russian already,
// but a source text has one form. Installed first, so that a catalogue installed later (English) is
// asked first; owned by the application.
void InstallRussianPluralForms()
{
    auto* forms = new QTranslator(QCoreApplication::instance());
    if (!forms->load(QStringLiteral(":/i18n/velista_ru.qm")))
        qFatal("PluralForm: the built-in catalogue velista_ru.qm is missing");
    QCoreApplication::installTranslator(forms);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallRussianPluralForms)

QString PluralForm(const char* context, const char* source, qint64 n)
{
    // Qt takes the count as an int; the last digits decide the form, and these keep them.
    const int count = n > 1'000'000'000 || n < -1'000'000'000 ? int(n % 1'000'000'000) : int(n);
    return QCoreApplication::translate(context, source, nullptr, count);
}

}  // namespace velista
