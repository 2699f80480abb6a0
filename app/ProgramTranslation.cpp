// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own texts in the interface's language.

#include "app/ProgramTranslation.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace velista {

ProgramTranslation::~ProgramTranslation()
{
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

QLocale::Language ProgramTranslation::Install(QLocale::Language language, const QString& programFolder)
{
    if (language == QLocale::Russian || installed_)
        return installed_ ? QLocale::English : QLocale::Russian;
    const QString folder = programFolder + QLatin1Char('/') + QLatin1String(Folder);
    const QString name = QStringLiteral("velista_en");
    if (!translator_.load(name, folder) || !QCoreApplication::installTranslator(&translator_)) {
        // Not a box: the user can do nothing about it, and the Russian windows work as they always did.
        std::fprintf(stderr, "velista: %s.qm not found or unreadable in %s; the interface stays Russian\n",
                     name.toLocal8Bit().constData(), QDir::toNativeSeparators(folder).toLocal8Bit().constData());
        return QLocale::Russian;
    }
    installed_ = true;
    return QLocale::English;
}

}  // namespace velista
