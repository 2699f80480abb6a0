// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows registry through the single-byte advapi32 calls.

#include "platform/SystemRegistry.h"

namespace velista {

class WindowsRegistry final : public SystemRegistry {
public:
    bool OpenKey(Key root, const std::string& path, std::uint32_t access, Key& opened) override;
    bool QueryValue(Key key, const std::string& name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override;
    void CloseKey(Key key) override;
};

}  // namespace velista
