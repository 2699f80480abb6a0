// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (file dialogs, message-box buttons, the text areas' context menu) in Russian.

#include <QLocale>
#include <QTranslator>

namespace velista {

// Holds Qt's Russian translation installed in the application for as long as it lives.
class QtTranslation final {
public:
    QtTranslation() = default;
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Installs qtbase_ru from Qt's translations folder when locale is Russian; under any other locale
    // Qt's texts stay English, as the program's own texts are Russian already. Returns whether it was
    // installed; a missing translation file leaves Qt's texts English and is not an error.
    bool Install(const QLocale& locale);

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace velista
