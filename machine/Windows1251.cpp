#include "Windows1251.h"

#include "Checked.h"

#include <array>

namespace velista {

namespace {

// Bytes 0x80 to 0xFF. The code page leaves 0x98 unassigned; it is read as U+0098 so that every byte
// comes back as itself.
constexpr std::array<char16_t, 128> HighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8
};

// Byte for each code unit; 0 where the code page has none (U+0000 itself is byte 0).
struct EncodeTable {
    std::array<unsigned char, 65536> byteOf{};

    EncodeTable()
    {
        for (int b = 0; b < 0x80; ++b)
            byteOf[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
        for (int b = 0x80; b <= 0xFF; ++b)
            byteOf[HighHalf[static_cast<std::size_t>(b - 0x80)]] = static_cast<unsigned char>(b);
    }
};

const EncodeTable& Encoding()
{
    static const EncodeTable table;
    return table;
}

}  // namespace

char16_t Windows1251::Decode(unsigned char byte)
{
    return byte < 0x80 ? char16_t{byte} : HighHalf[byte - 0x80u];
}

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
        text[i] = Decode(static_cast<unsigned char>(bytes[i]));
}

std::size_t Windows1251::Encode(std::u16string_view text, std::span<char> bytes)
{
    if (bytes.size() < text.size())
        ProgrammingError("Windows1251::Encode: output too short");
    const auto& byteOf = Encoding().byteOf;
    std::size_t replaced = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t character = text[i];
        unsigned char byte = byteOf[character];
        if (byte == 0 && character != 0) {
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
