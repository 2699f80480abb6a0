// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fuzz input read from the front: small numbers for a harness's choices, then the rest as data. Past the
// end every number is 0, so that any input, the empty one included, gives a valid case.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velista::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t Byte()
    {
        if (rest_.empty())
            return 0;
        const auto byte = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }

    // A number from the next bytes, little end first.
    std::uint64_t Number(int bytes)
    {
        std::uint64_t number = 0;
        for (int k = 0; k < bytes; ++k)
            number |= std::uint64_t{Byte()} << (8 * k);
        return number;
    }

    // The bytes up to the next zero byte, which is taken too.
    std::string_view Word()
    {
        const std::size_t end = rest_.find('\0');
        const std::string_view word = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return word;
    }

    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace velista::fuzz
