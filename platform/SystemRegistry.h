// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Read-only access to the system registry through its single-byte interface, as the About box looks up
// the system-information tool.

#include <cstdint>
#include <string>

namespace velista {

class SystemRegistry {
public:
    // A key handle as the system hands it out; the predefined root keys are sign-extended 32-bit numbers,
    // as the system defines them, so that a handle passes through unchanged on 64-bit systems.
    using Key = std::uintptr_t;

    static constexpr Key HKeyLocalMachine = static_cast<Key>(static_cast<std::intptr_t>(std::int32_t(0x80000002u)));
    static constexpr std::uint32_t RegSz = 1;
    static constexpr std::uint32_t RegDword = 4;
    // Query value, enumerate sub-keys, notify and read control: all a lookup needs. Asking for more
    // (setting values, creating sub-keys) is refused under the machine key to every user but an administrator.
    static constexpr std::uint32_t ReadAccess = 0x20019;

    virtual ~SystemRegistry() = default;

    // Opens path under root; false when it cannot be opened.
    virtual bool OpenKey(Key root, const std::string& path, std::uint32_t access, Key& opened) = 0;
    // Reads the named value into buffer, which has room for size bytes. On success type is the value's
    // type and size the number of bytes written. False on failure, among others a value larger than the
    // room (size then tells the room the value would need).
    virtual bool QueryValue(Key key, const std::string& name, std::uint32_t& type, char* buffer,
                            std::uint32_t& size) = 0;
    virtual void CloseKey(Key key) = 0;
};

}  // namespace velista
