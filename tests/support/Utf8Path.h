// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths as the UTF-8 the tool takes and prints, on every system. On Windows path::string() converts
// through the ANSI code page, which turns a Cyrillic name into "?".

#include <filesystem>
#include <string>

namespace velista::test {

inline std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string bytes = path.u8string();
    return {bytes.begin(), bytes.end()};
}

inline std::filesystem::path PathFromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace velista::test
