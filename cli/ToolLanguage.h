// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the tool speaks, English or Russian, as the user's environment or system asks.

#include <functional>
#include <string>

namespace velista::cli {

enum class ToolLanguage { Russian, English };

// The variables as gettext reads them: LANGUAGE, a colon list, then the locale, the first set of LC_ALL,
// LC_MESSAGES and LANG. The first entry naming English or Russian ("en_GB.UTF-8", "ru") wins; Russian
// when none does, when none is set, or when a value is broken. `variable` gives a variable's value or
// an empty string.
ToolLanguage LanguageOfEnvironment(const std::function<std::string(const char*)>& variable, bool* anySet = nullptr);

// The environment's choice when any of those variables is set; otherwise, on Windows, the user's interface
// languages in their order of preference, and elsewhere Russian.
ToolLanguage UsersLanguage();

}  // namespace velista::cli
