#pragma once
// Windows-1251, the code page of the program's files: every byte is one character and comes back as itself.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velista {

class Windows1251 {
public:
    // What stands in the file for a character that the code page cannot hold.
    static constexpr unsigned char Replacement = '?';

    static char16_t Decode(unsigned char byte);
    static std::optional<unsigned char> Encode(char16_t character);

    // Whole texts; the output holds at least as many places as the input.
    static void Decode(std::string_view bytes, std::span<char16_t> text);
    // Returns how many characters had to be replaced.
    static std::size_t Encode(std::u16string_view text, std::span<char> bytes);

    static std::u16string Decode(std::string_view bytes);
    static std::string Encode(std::u16string_view text, std::size_t* replaced = nullptr);
};

}  // namespace velista
