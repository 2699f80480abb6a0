// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry of a system that has none: every key is missing.

#include "platform/SystemRegistry.h"

namespace velista {

class NoRegistry final : public SystemRegistry {
public:
    bool OpenKey(Key, const std::string&, std::uint32_t, Key&) override { return false; }
    bool QueryValue(Key, const std::string&, std::uint32_t&, char*, std::uint32_t&) override { return false; }
    void CloseKey(Key) override {}
};

}  // namespace velista
