// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's reader: a Windows-1251 byte stream read in pieces of any size, its line breaks made CR LF, gives
// what the whole stream gives, both as bytes (encrypt, decrypt, trace) and decoded to UTF-16 (attack), and
// what a plain character-by-character reading gives.
// Input: the number of piece sizes (0 to 7), the sizes (a byte each, 0 for an empty read), then the stream.

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace velista;
using velista::fuzz::FuzzCheck;

namespace {

char16_t Decoded(char c)
{
    return Windows1251::Decode(static_cast<unsigned char>(c));
}

// LF, CR LF and a lone CR each become CR LF; nothing else changes.
std::string Reference(std::string_view bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r')
            continue;
        text += bytes[i] == '\r' || bytes[i] == '\n' ? std::string("\r\n") : std::string(1, bytes[i]);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    std::vector<std::size_t> sizes(input.Byte() % 8);
    for (std::size_t& piece : sizes)
        piece = input.Byte();
    const std::string_view stream = input.Rest();

    std::string whole;
    std::u16string wholeDecoded;
    LineBreakNormalizer<char>().Normalize(stream, whole);
    LineBreakNormalizer<char>().Normalize(stream, wholeDecoded, Decoded);

    LineBreakNormalizer<char> bytes, decoding;
    std::string inPieces;
    std::u16string inPiecesDecoded;
    for (std::size_t at = 0, k = 0; at < stream.size(); ++k) {
        // The last size read again and again, at least one byte, once the sizes run out.
        const std::size_t length = sizes.empty() ? stream.size() : sizes[std::min(k, sizes.size() - 1)];
        const std::string_view piece = stream.substr(at, k >= sizes.size() ? std::max<std::size_t>(length, 1) : length);
        bytes.Normalize(piece, inPieces);
        decoding.Normalize(piece, inPiecesDecoded, Decoded);
        at += piece.size();
    }

    FuzzCheck(whole == Reference(stream), "the whole stream reads as character by character");
    FuzzCheck(inPieces == whole, "the stream in pieces reads as the whole");
    FuzzCheck(inPiecesDecoded == wholeDecoded, "the stream in pieces decodes as the whole");
    FuzzCheck(wholeDecoded == Windows1251::Decode(whole), "decoding on the way equals decoding after");
    return 0;
}
