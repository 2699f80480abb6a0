// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's texts in its language, from Qt's catalogues built into the tool: the English translation, and
// the Russian plural forms of the texts that count something.

#include "cli/ToolLanguage.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP, which marks the texts passed in

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

class QTranslator;

namespace velista::cli {

class ToolCatalogue {
public:
    // The context under which the tool's texts are marked, QT_TRANSLATE_NOOP("velista-cli", "…").
    static constexpr const char* Context = "velista-cli";

    explicit ToolCatalogue(ToolLanguage language);
    ~ToolCatalogue();
    ToolCatalogue(const ToolCatalogue&) = delete;
    ToolCatalogue& operator=(const ToolCatalogue&) = delete;

    ToolLanguage Language() const { return language_; }

    // The marked Russian source text in the tool's language, with %1 … %9 replaced by the values in one
    // pass, so that a value holding "%2" stays as it is.
    std::string Text(const char* source, std::initializer_list<std::string_view> values = {}) const;
    // The same for a text that counts n (%n): the catalogue's plural form for n.
    std::string Counted(const char* source, unsigned long long n,
                        std::initializer_list<std::string_view> values = {}) const;

    // A Russian text that the core libraries or the tool's file layer made, in the tool's language: found
    // whole among the texts listed in RussianTexts.cpp, or by one of their patterns, whose values are found
    // in turn. Unchanged in Russian, and when nothing fits.
    std::string FromRussian(const std::string& text) const;

private:
    std::string Translated(const char* source, int n) const;
    std::string FromPattern(const std::string& text, const char* pattern, bool counted) const;

    ToolLanguage language_;
    std::unique_ptr<QTranslator> russian_;  // plural forms only
    std::unique_ptr<QTranslator> english_;  // null in Russian
};

}  // namespace velista::cli
