// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows only: the tool's UTF-8 strings as the UTF-16 the system's calls take.

#include <string>

namespace velista::cli {

std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

}  // namespace velista::cli
