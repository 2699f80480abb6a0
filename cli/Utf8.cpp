// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Utf8.h"

#include <array>
#include <cstdio>

namespace velista::cli {

namespace {

// The length of the well-formed UTF-8 sequence at the start of bytes and its code point, or 0.
std::size_t DecodeOne(std::string_view bytes, char32_t& code)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
        least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

struct Composition {
    char32_t base;
    char32_t mark;
    char32_t composed;
};

constexpr std::array<Composition, 4> Compositions{{
    {U'И', U'\u0306', U'Й'},
    {U'и', U'\u0306', U'й'},
    {U'Е', U'\u0308', U'Ё'},
    {U'е', U'\u0308', U'ё'},
}};

std::string Hex(const char* format, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::optional<std::u32string> DecodeUtf8(std::string_view bytes)
{
    std::u32string text;
    while (!bytes.empty()) {
        char32_t code = 0;
        const std::size_t length = DecodeOne(bytes, code);
        if (length == 0)
            return std::nullopt;
        text += code;
        bytes.remove_prefix(length);
    }
    return text;
}

std::u32string ComposeCanonical(const std::u32string& text)
{
    std::u32string composed;
    for (const char32_t code : text) {
        bool merged = false;
        if (!composed.empty()) {
            for (const Composition& pair : Compositions) {
                if (composed.back() == pair.base && code == pair.mark) {
                    composed.back() = pair.composed;
                    merged = true;
                    break;
                }
            }
        }
        if (!merged)
            composed += code;
    }
    return composed;
}

std::string EscapeForTerminal(std::string_view bytes)
{
    std::string shown;
    while (!bytes.empty()) {
        char32_t code = 0;
        const std::size_t length = DecodeOne(bytes, code);
        if (length == 0) {
            shown += Hex("\\x%02X", static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
            continue;
        }
        if (code == U'\n')
            shown += "\\n";
        else if (code == U'\t')
            shown += "\\t";
        else if (code == U'\r')
            shown += "\\r";
        else if (code < 0x20 || code == 0x7F)
            shown += Hex("\\x%02X", static_cast<unsigned>(code));
        else if (code >= 0x80 && code < 0xA0)  // C1 controls: U+009B starts a terminal command
            shown += Hex("\\u%04X", static_cast<unsigned>(code));
        else
            shown.append(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return shown;
}

std::string Quoted(std::string_view value)
{
    return "«" + EscapeForTerminal(value) + "»";
}

std::string EncodeUtf8(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

}  // namespace velista::cli
