// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowsRegistry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace velista {

namespace {

HKEY Handle(SystemRegistry::Key key)
{
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

bool WindowsRegistry::OpenKey(Key root, const std::string& path, std::uint32_t access, Key& opened)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(Handle(root), path.c_str(), 0, static_cast<REGSAM>(access), &key) != ERROR_SUCCESS)
        return false;
    opened = reinterpret_cast<Key>(key);
    return true;
}

bool WindowsRegistry::QueryValue(Key key, const std::string& name, std::uint32_t& type, char* buffer,
                                 std::uint32_t& size)
{
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG result = RegQueryValueExA(Handle(key), name.c_str(), nullptr, &valueType,
                                         reinterpret_cast<LPBYTE>(buffer), &valueSize);
    size = valueSize;
    if (result != ERROR_SUCCESS)
        return false;
    type = valueType;
    return true;
}

void WindowsRegistry::CloseKey(Key key)
{
    RegCloseKey(Handle(key));
}

}  // namespace velista
