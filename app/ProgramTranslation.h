// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own texts in the interface's language, from the catalogue beside the program.

#include <QLocale>
#include <QTranslator>

namespace velista {

// Holds the program's catalogue installed in the application for as long as it lives.
class ProgramTranslation final {
public:
    // The folder, under the program's, that holds velista_en.qm.
    static constexpr char Folder[] = "translations";

    ProgramTranslation() = default;
    ~ProgramTranslation();
    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;

    // The texts are written in Russian, which needs no catalogue. For English, installs velista_en.qm
    // from programFolder/translations. Returns the language the windows speak: Russian when the catalogue
    // is missing or unreadable (a broken installation), which one line on standard error reports.
    QLocale::Language Install(QLocale::Language language, const QString& programFolder);

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace velista
