// SPDX-License-Identifier: GPL-3.0-or-later
// The scalar loop of a stretch (see CipherChunk), for every processor. It looks every table up whether
// or not the character belongs to the alphabet and selects at the end, so that text with spaces, line
// breaks and other characters outside it costs no mispredicted branch; the tables are laid out several
// times over so that no index needs wrapping.

#include "machine/ChunkKernels.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace velista {

namespace {

constexpr int N = RowLength;

// The first lookup's answer -> all ones for Outside, else zero.
constexpr std::array<char16_t, 256> KeepOfFirst = [] {
    std::array<char16_t, 256> masks{};
    masks[CipherChunk::Outside] = 0xFFFF;
    return masks;
}();

// The first lookup, from pointers held in locals: a store of a byte may alias any member of the chunk,
// and the loop would load them again at every character. Keep(c, a) is all ones when c passes unchanged,
// else zero: looked up from c where a table by byte exists, which runs beside the first lookup instead of
// after it (a tenth faster on Russian text).
struct FirstOfByte {
    const std::uint8_t* first;
    const std::uint8_t* keep;
    explicit FirstOfByte(const CipherChunk& chunk)
        : first(chunk.firstByte)
        , keep(chunk.keepByte)
    {
    }
    std::uint8_t operator()(std::uint8_t c) const { return first[c]; }
    std::uint8_t Keep(std::uint8_t c, std::uint8_t) const { return keep[c]; }
};

struct FirstOfChar {
    const std::uint8_t* position;
    const std::uint8_t* first;
    explicit FirstOfChar(const CipherChunk& chunk)
        : position(chunk.charPosition)
        , first(chunk.positionFirst)
    {
    }
    std::uint8_t operator()(char16_t c) const { return first[position[c]]; }
    char16_t Keep(char16_t, std::uint8_t a) const { return KeepOfFirst[a]; }
};

// Enciphering's second table is the identity (the position is what the loop needs), so it is skipped.
struct PositionOfChar {
    const std::uint8_t* position;
    explicit PositionOfChar(const CipherChunk& chunk)
        : position(chunk.charPosition)
    {
    }
    std::uint8_t operator()(char16_t c) const { return position[c]; }
    char16_t Keep(char16_t, std::uint8_t a) const { return KeepOfFirst[a]; }
};

template <bool Encipher, typename Char>
using FirstOf = std::conditional_t<sizeof(Char) == 1, FirstOfByte,
                                   std::conditional_t<Encipher, PositionOfChar, FirstOfChar>>;

inline const std::uint8_t* Last(const CipherChunk& chunk, std::uint8_t) { return chunk.lastByte; }
inline const char16_t* Last(const CipherChunk& chunk, char16_t) { return chunk.lastChar; }

// Up to 135 steps with slot 2 standing still. Enciphering reads middle at a + (t1 - o2) + j and last at
// x + o2; deciphering reads middle at a - o2 and last at x + (o2 - t1) - j; every offset is kept positive
// by adding 135, within the four and three layouts of the tables.
template <bool Encipher, typename Char>
std::size_t Stretch(const CipherChunk& chunk, Char* text, std::size_t length, int t1, int o2)
{
    const FirstOf<Encipher, Char> first(chunk);
    const std::uint8_t* middle = chunk.middle + (Encipher ? (t1 - o2 + N) % N : (N - o2) % N);
    const auto* last = Last(chunk, Char{}) + (Encipher ? o2 : (o2 - t1 + N) % N + N);
    std::size_t passed = 0;
    // Four characters an iteration took 7 % less time than one in the same measured loop.
#pragma GCC unroll 4
    for (std::size_t j = 0; j < length; ++j) {
        const Char c = text[j];
        const std::uint8_t a = first(c);
        const Char r = Encipher ? last[middle[a + j]] : last[middle[a] - static_cast<std::ptrdiff_t>(j)];
        // A select by a looked-up mask. As a conditional, GCC 12 at -O3 made it a branch, which text with
        // line breaks and punctuation mispredicts; a mask made by comparing and negating took 1.2 times as long.
        const Char keep = first.Keep(c, a);
        text[j] = static_cast<Char>(r ^ ((r ^ c) & keep));
        passed += keep & 1u;
    }
    return passed;
}

template <bool Encipher, typename Char>
std::size_t Chunk(const CipherChunk& chunk, Char* text, std::size_t length)
{
    int t1 = chunk.t1, o2 = chunk.o2, c1 = chunk.c1;
    std::size_t passed = 0;
    for (std::size_t at = 0; at < length;) {
        const std::size_t n = std::min(length - at, static_cast<std::size_t>(N - c1));
        passed += Stretch<Encipher>(chunk, text + at, n, t1, o2);
        at += n;
        t1 = static_cast<int>((static_cast<std::size_t>(t1) + n) % N);
        c1 += static_cast<int>(n);
        if (c1 == N)
            c1 = 0, o2 = (o2 + 1) % N;
    }
    return passed;
}

template <typename Char>
std::size_t Either(const CipherChunk& chunk, Char* text, std::size_t length)
{
    return chunk.encipher ? Chunk<true>(chunk, text, length) : Chunk<false>(chunk, text, length);
}

}  // namespace

std::size_t ScalarChunkBytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length)
{
    return Either(chunk, text, length);
}

std::size_t ScalarChunkText(const CipherChunk& chunk, char16_t* text, std::size_t length)
{
    return Either(chunk, text, length);
}

}  // namespace velista
