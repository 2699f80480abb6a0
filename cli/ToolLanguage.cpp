// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolLanguage.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include "cli/WindowsText.h"

#include <windows.h>
#endif

namespace velista::cli {

namespace {

// English or Russian for a locale or language name such as "en_US.UTF-8", "ru-RU" or "en@quot".
std::optional<ToolLanguage> Named(std::string_view name)
{
    const std::string_view language = name.substr(0, name.find_first_of("_-.@"));
    if (language == "en")
        return ToolLanguage::English;
    if (language == "ru")
        return ToolLanguage::Russian;
    return std::nullopt;
}

std::vector<std::string_view> Split(std::string_view list, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(separator, start), list.size());
        parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

#ifdef _WIN32
// The user's interface languages, most preferred first, as Windows names them ("en-GB").
std::vector<std::string> WindowsLanguages()
{
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0)
        return {};
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return {};
    std::vector<std::string> languages;
    for (const wchar_t* name = names.c_str(); *name != L'\0'; name += wcslen(name) + 1)
        languages.push_back(Utf8FromWide(name));
    return languages;
}
#endif

}  // namespace

ToolLanguage LanguageOfEnvironment(const std::function<std::string(const char*)>& variable, bool* anySet)
{
    std::vector<std::string> entries;
    if (std::string list = variable("LANGUAGE"); !list.empty())
        for (const std::string_view entry : Split(list, ':'))
            entries.emplace_back(entry);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (std::string locale = variable(name); !locale.empty()) {
            entries.push_back(std::move(locale));
            break;
        }
    }
    if (anySet != nullptr)
        *anySet = !entries.empty();
    for (const std::string& entry : entries)
        if (const std::optional<ToolLanguage> language = Named(entry))
            return *language;
    return ToolLanguage::Russian;
}

ToolLanguage UsersLanguage()
{
    bool anySet = false;
    const ToolLanguage chosen = LanguageOfEnvironment(
        [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value != nullptr ? value : "");
        },
        &anySet);
#ifdef _WIN32
    if (!anySet)
        for (const std::string& name : WindowsLanguages())
            if (const std::optional<ToolLanguage> language = Named(name))
                return *language;
#endif
    return chosen;
}

}  // namespace velista::cli
