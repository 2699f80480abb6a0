// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolCatalogue.h"

#include "cli/RussianTexts.h"

#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace velista::cli {

namespace {

// A count as the catalogue's plural rules take it: the last six digits, kept at least a million for a larger
// count, so that both languages' rules (n = 1; n % 10, n % 100) still see what they look at.
int PluralCount(unsigned long long n)
{
    constexpr unsigned long long Million = 1000000;
    return static_cast<int>(n < Million ? n : n % Million + Million);
}

// The text with %1 … %9 replaced by values and %n by the count, in one pass; any other % stays.
std::string Fill(std::string_view text, std::optional<unsigned long long> n, const std::vector<std::string>& values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < values.size()) {
            filled += values[std::size_t(next - '1')];
            ++i;
        } else if (text[i] == '%' && next == 'n' && n) {
            filled += std::to_string(*n);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::unique_ptr<QTranslator> Loaded(const char* file)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QString::fromLatin1(":/i18n/") + QLatin1String(file)))
        return translator;
    std::fprintf(stderr, "velista-cli: каталог сообщений %s не найден в программе, сообщения - на русском\n", file);
    return nullptr;
}

}  // namespace

ToolCatalogue::ToolCatalogue(ToolLanguage language)
    : language_(language)
    , russian_(Loaded("velista-cli_ru.qm"))
{
    if (language == ToolLanguage::English) {
        english_ = Loaded("velista-cli_en.qm");
        if (!english_)
            language_ = ToolLanguage::Russian;
    }
}

ToolCatalogue::~ToolCatalogue() = default;

std::string ToolCatalogue::Translated(const char* source, int n) const
{
    QString text;
    if (english_)
        text = english_->translate(Context, source, nullptr, n);
    else if (n >= 0 && russian_)
        text = russian_->translate(Context, source, nullptr, n);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

std::string ToolCatalogue::Text(const char* source, std::initializer_list<std::string_view> values) const
{
    return Fill(Translated(source, -1), std::nullopt, std::vector<std::string>(values.begin(), values.end()));
}

std::string ToolCatalogue::Counted(const char* source, unsigned long long n,
                                   std::initializer_list<std::string_view> values) const
{
    return Fill(Translated(source, PluralCount(n)), n, std::vector<std::string>(values.begin(), values.end()));
}

std::string ToolCatalogue::FromRussian(const std::string& text) const
{
    if (!english_)
        return text;
    if (const QString whole = english_->translate(Context, text.c_str()); !whole.isEmpty())
        return whole.toStdString();
    for (const RussianText& entry : RussianTexts()) {
        if (std::strchr(entry.source, '%') == nullptr)
            continue;
        if (std::string found = FromPattern(text, entry.source, entry.counted); !found.empty())
            return found;
    }
    return text;
}

// The text read by the pattern: each %1 … %9 stands for any text, %n for a count; a counting pattern is
// matched in each of its Russian plural forms, and the form must be the one for the count found.
std::string ToolCatalogue::FromPattern(const std::string& text, const char* pattern, bool counted) const
{
    std::vector<std::string> forms{pattern};
    if (counted && russian_)
        for (const int n : {1, 2, 5})
            if (const QString form = russian_->translate(Context, pattern, nullptr, n); !form.isEmpty())
                forms.push_back(form.toStdString());
    const QString subject = QString::fromStdString(text);
    for (const std::string& form : forms) {
        QString expression;
        std::vector<char> holes;  // '1' … '9', or 'n'
        std::string literal;
        for (std::size_t i = 0; i < form.size(); ++i) {
            const char next = i + 1 < form.size() ? form[i + 1] : '\0';
            if (form[i] == '%' && ((next >= '1' && next <= '9') || (next == 'n' && counted))) {
                expression += QRegularExpression::escape(QString::fromStdString(literal));
                expression += next == 'n' ? QStringLiteral("(\\d+)") : QStringLiteral("(.+)");
                literal.clear();
                holes.push_back(next);
                ++i;
            } else {
                literal += form[i];
            }
        }
        expression += QRegularExpression::escape(QString::fromStdString(literal));
        const QRegularExpression reader(QRegularExpression::anchoredPattern(expression),
                                        QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = reader.match(subject);
        if (!match.hasMatch())
            continue;
        std::vector<std::string> values;
        std::optional<unsigned long long> n;
        for (std::size_t slot = 0; slot < holes.size(); ++slot) {
            const std::string value = match.captured(int(slot) + 1).toStdString();
            if (holes[slot] == 'n') {
                // More digits than a count can hold are no count this tool printed.
                if (value.size() > 18)
                    break;
                n = std::stoull(value);
                continue;
            }
            const auto index = std::size_t(holes[slot] - '1');
            values.resize(std::max(values.size(), index + 1));
            values[index] = FromRussian(value);
        }
        if (counted) {
            if (!n)
                continue;
            const QString own = russian_ ? russian_->translate(Context, pattern, nullptr, PluralCount(*n)) : QString();
            if ((own.isEmpty() ? std::string(pattern) : own.toStdString()) != form)
                continue;
            return Fill(Translated(pattern, PluralCount(*n)), n, values);
        }
        return Fill(Translated(pattern, -1), std::nullopt, values);
    }
    return {};
}

}  // namespace velista::cli
