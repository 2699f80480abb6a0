// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/Windows1251.h"

#include "machine/Checked.h"

#include <array>

namespace velista {

namespace {

// Byte for each code unit; 0 where the code page has none (U+0000 itself is byte 0).
struct EncodeTable {
    std::array<unsigned char, 65536> byteOf{};

    EncodeTable()
    {
        for (int b = 0; b < 0x80; ++b)
            byteOf[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
        for (int b = 0x80; b <= 0xFF; ++b)
            byteOf[detail::HighHalf[static_cast<std::size_t>(b - 0x80)]] = static_cast<unsigned char>(b);
    }
};

const EncodeTable& Encoding()
{
    static const EncodeTable table;
    return table;
}

}  // namespace

std::optional<unsigned char> Windows1251::Encode(char16_t character)
{
    const unsigned char byte = Encoding().byteOf[character];
    if (byte == 0 && character != 0)
        return std::nullopt;
    return byte;
}

void Windows1251::Decode(std::string_view bytes, std::span<char16_t> text)
{
    if (text.size() < bytes.size())
        ProgrammingError("Windows1251::Decode: output too short");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = detail::DecodeTable[static_cast<unsigned char>(bytes[i])];
}

std::size_t Windows1251::Encode(std::u16string_view text, std::span<char> bytes)
{
    if (bytes.size() < text.size())
        ProgrammingError("Windows1251::Encode: output too short");
    const EncodeTable& table = Encoding();
    std::size_t replaced = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char byte = table.byteOf[text[i]];
        // Not through Encode(char16_t): its optional costs a fifth of the tool's time (measured).
        if (byte == 0 && text[i] != 0) {
            byte = Replacement;
            ++replaced;
        }
        bytes[i] = static_cast<char>(byte);
    }
    return replaced;
}

std::u16string Windows1251::Decode(std::string_view bytes)
{
    std::u16string text(bytes.size(), u'\0');
    Decode(bytes, text);
    return text;
}

std::string Windows1251::Encode(std::u16string_view text, std::size_t* replaced)
{
    std::string bytes(text.size(), '\0');
    const std::size_t count = Encode(text, std::span<char>(bytes));
    if (replaced)
        *replaced = count;
    return bytes;
}

}  // namespace velista
