#pragma once
// Read-only access to the system registry, as the About box looks up the system-information tool.

#include <cstdint>
#include <string>
#include <string_view>

namespace velista {

class SystemRegistry {
public:
    using Key = std::uintptr_t;

    static constexpr Key HKeyLocalMachine = 0x80000002;
    static constexpr std::uint32_t RegSz = 1;
    static constexpr std::uint32_t RegDword = 4;
    static constexpr std::uint32_t OpenAccess = 0x2003F;

    virtual ~SystemRegistry() = default;

    // Opens path under root; false when it cannot be opened.
    virtual bool OpenKey(Key root, std::string_view path, std::uint32_t access, Key& opened) = 0;
    // Reads the value into buffer (its size on entry is the room, on return the value's size in bytes);
    // false on failure, among others a value larger than the room.
    virtual bool QueryValue(Key key, std::string_view name, std::uint32_t& type, std::string& buffer,
                            std::uint32_t& size) = 0;
    virtual void CloseKey(Key key) = 0;
};

}  // namespace velista
