// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 135 symbols that the machine enciphers, in the order of rotor 0's entry row.

#include <array>
#include <string>
#include <string_view>

namespace velista {

class Alphabet {
public:
    static const Alphabet& Machine();

    // Every code unit has an entry, so no check is needed.
    bool Contains(char16_t c) const { return member_[c]; }

    std::u16string_view Text() const { return text_; }

private:
    explicit Alphabet(std::u16string_view text);

    std::array<bool, 65536> member_{};
    std::u16string text_;
};

}  // namespace velista
