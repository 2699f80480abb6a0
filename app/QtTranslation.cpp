// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Russian.

#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace velista {

QtTranslation::~QtTranslation()
{
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

bool QtTranslation::Install(const QLocale& locale)
{
    if (installed_ || locale.language() != QLocale::Russian)
        return installed_;
    if (!translator_.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

}  // namespace velista
