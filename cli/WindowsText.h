// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows only: the tool's UTF-8 strings as the UTF-16 the system's calls take, and a system error as
// the errno value the tool's messages are written for.

#include <string>

namespace velista::cli {

std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

// The errno value nearest to a GetLastError() code; EIO for those without one.
int ErrnoFromSystemError(unsigned long error);

}  // namespace velista::cli
