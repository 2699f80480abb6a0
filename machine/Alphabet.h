#pragma once
// The 135 symbols that the machine enciphers, numbered in the order of rotor 0's entry row.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velista {

class Alphabet {
public:
    static constexpr std::uint8_t NotASymbol = 255;

    static const Alphabet& Machine();

    // The symbol's number, 0 to 134, or NotASymbol. Every code unit has an entry, so no check is needed.
    std::uint8_t IndexOf(char16_t c) const { return index_[c]; }
    bool Contains(char16_t c) const { return index_[c] != NotASymbol; }

    std::u16string_view Text() const { return text_; }

    // The whole table, 65,536 places, for loops that look up every character of a text.
    const std::uint8_t* Table() const { return index_.data(); }

private:
    explicit Alphabet(std::u16string_view text);

    std::array<std::uint8_t, 65536> index_;
    std::u16string text_;
};

}  // namespace velista
