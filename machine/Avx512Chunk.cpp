// SPDX-License-Identifier: GPL-3.0-or-later
// The AVX-512 VBMI loop of a stretch (see CipherChunk): 64 characters a step. vpermi2b looks up 128 places
// at once, so a table of 135 places is two permutes and a blend on the index's top bit, and the 256 places
// of the first table likewise. The turns of slots 1 and 2 are worked out for every place of the vector, so
// a vector may cross slot 2's turn; the last piece of a stretch is loaded and stored under a mask.

#include "machine/ChunkKernels.h"

#ifdef VELISTA_VECTOR_PATHS

// GCC 12 warns of the undefined vector that its own conversion and extraction intrinsics start from
// (GCC bug 105593, fixed in GCC 13).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

#include <algorithm>

#define VELISTA_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi")))
#define VELISTA_AVX512_INLINE __attribute__((target("avx512f,avx512bw,avx512vbmi"), always_inline)) inline

namespace velista {

namespace {

constexpr int N = RowLength;
constexpr int W = 64;

VELISTA_AVX512_INLINE __m512i Load(const std::uint8_t* places) { return _mm512_loadu_si512(places); }

// A table of 135 places (read as 192).
struct Table135 {
    __m512i low, middle, high;

    VELISTA_AVX512_INLINE explicit Table135(const std::uint8_t* places)
        : low(Load(places))
        , middle(Load(places + 64))
        , high(Load(places + 128))
    {
    }
    VELISTA_AVX512_INLINE __m512i operator()(__m512i x) const
    {
        const __m512i below = _mm512_permutex2var_epi8(low, x, middle);
        return _mm512_mask_permutexvar_epi8(below, _mm512_movepi8_mask(x), x, high);
    }
};

struct Table256 {
    __m512i places[4];

    VELISTA_AVX512_INLINE explicit Table256(const std::uint8_t* table)
        : places{Load(table), Load(table + 64), Load(table + 128), Load(table + 192)}
    {
    }
    VELISTA_AVX512_INLINE __m512i operator()(__m512i c) const
    {
        const __m512i below = _mm512_permutex2var_epi8(places[0], c, places[1]);
        const __m512i above = _mm512_permutex2var_epi8(places[2], c, places[3]);
        return _mm512_mask_blend_epi8(_mm512_movepi8_mask(c), below, above);
    }
};

// (x - y) mod 135 for x and y in 0 to 134.
VELISTA_AVX512_INLINE __m512i SubMod(__m512i x, __m512i y)
{
    const __m512i difference = _mm512_sub_epi8(x, y);
    return _mm512_mask_add_epi8(difference, _mm512_cmplt_epu8_mask(x, y), difference, _mm512_set1_epi8(static_cast<char>(N)));
}

// x mod 135 for x below 256.
VELISTA_AVX512_INLINE __m512i Wrap(__m512i x)
{
    return _mm512_min_epu8(x, _mm512_sub_epi8(x, _mm512_set1_epi8(static_cast<char>(N))));
}

class Stretch {
public:
    VELISTA_AVX512_INLINE explicit Stretch(const CipherChunk& chunk)
        : first_(chunk.firstByte)
        , middle_(chunk.middle)
        , last_(chunk.lastByte)
        , encipher_(chunk.encipher)
        , t1_(chunk.t1)
        , o2_(chunk.o2)
        , c1_(chunk.c1)
    {
    }

    // Transforms 64 bytes, place k at step k from the vector's first; sets outside to the places that pass
    // unchanged.
    VELISTA_AVX512_INLINE __m512i Transform(__m512i c, __mmask64& outside) const
    {
        const __m512i steps = _mm512_set_epi8(63, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46,
                                              45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28,
                                              27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10,
                                              9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
        // Slot 2 turns at the step where counter 1 reaches 135.
        const __mmask64 carried = _mm512_cmpge_epu8_mask(steps, _mm512_set1_epi8(static_cast<char>(N - c1_)));
        const __m512i o2Now = _mm512_set1_epi8(static_cast<char>(o2_));
        const __m512i o2 = Wrap(_mm512_mask_add_epi8(o2Now, carried, o2Now, _mm512_set1_epi8(1)));
        const __m512i t1 = Wrap(_mm512_add_epi8(_mm512_set1_epi8(static_cast<char>(t1_)), steps));
        const __m512i nu = encipher_ ? SubMod(o2, t1) : o2;
        const __m512i nv = encipher_ ? SubMod(_mm512_setzero_si512(), o2) : SubMod(t1, o2);
        const __m512i a = first_(c);
        outside = _mm512_cmpeq_epi8_mask(a, _mm512_set1_epi8(static_cast<char>(CipherChunk::Outside)));
        const __m512i r = last_(SubMod(middle_(SubMod(a, nu)), nv));
        return _mm512_mask_blend_epi8(outside, r, c);
    }

    VELISTA_AVX512_INLINE void Next()
    {
        t1_ = (t1_ + W) % N;
        c1_ += W;
        if (c1_ >= N)
            c1_ -= N, o2_ = (o2_ + 1) % N;
    }

private:
    Table256 first_;
    Table135 middle_, last_;
    bool encipher_;
    int t1_, o2_, c1_;
};

// The first count places of a vector.
VELISTA_AVX512_INLINE __mmask64 Places(std::size_t count)
{
    return count >= 64 ? ~__mmask64{0} : (__mmask64{1} << count) - 1;
}

VELISTA_AVX512 std::size_t Bytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length)
{
    Stretch stretch(chunk);
    std::size_t passed = 0;
    __mmask64 outside;
    for (std::size_t at = 0; at < length; at += W) {
        const __mmask64 places = Places(length - at);
        const __m512i c = _mm512_maskz_loadu_epi8(places, text + at);
        _mm512_mask_storeu_epi8(text + at, places, stretch.Transform(c, outside));
        passed += static_cast<std::size_t>(__builtin_popcountll(outside & places));
        stretch.Next();
    }
    return passed;
}

// UTF-16 goes through the byte tables: ASCII stays, А to я become Windows-1251's C0 to FF, and every
// other character 80, which the tables hold as outside the alphabet when the chunk is narrowable.
VELISTA_AVX512_INLINE __m256i Narrow(__m512i c)
{
    const __mmask32 ascii = _mm512_cmple_epu16_mask(c, _mm512_set1_epi16(0x7F));
    const __m512i d = _mm512_sub_epi16(c, _mm512_set1_epi16(0x410));
    const __mmask32 cyrillic = _mm512_cmple_epu16_mask(d, _mm512_set1_epi16(0x3F));
    __m512i b = _mm512_mask_add_epi16(_mm512_set1_epi16(0x80), cyrillic, d, _mm512_set1_epi16(0xC0));
    b = _mm512_mask_mov_epi16(b, ascii, c);
    return _mm512_cvtepi16_epi8(b);
}

VELISTA_AVX512_INLINE __m512i Widen(__m256i r)
{
    const __m512i b = _mm512_cvtepu8_epi16(r);
    return _mm512_mask_add_epi16(b, _mm512_cmpgt_epu16_mask(b, _mm512_set1_epi16(0x7F)), b, _mm512_set1_epi16(0x350));
}

VELISTA_AVX512 std::size_t Text(const CipherChunk& chunk, char16_t* text, std::size_t length)
{
    Stretch stretch(chunk);
    std::size_t passed = 0;
    __mmask64 outside;
    for (std::size_t at = 0; at < length; at += W) {
        const __mmask64 places = Places(length - at);
        const auto low = static_cast<__mmask32>(places), high = static_cast<__mmask32>(places >> 32);
        const __m512i c0 = _mm512_maskz_loadu_epi16(low, text + at);
        const __m512i c1 = _mm512_maskz_loadu_epi16(high, text + at + 32);
        const __m512i bytes = _mm512_inserti64x4(_mm512_castsi256_si512(Narrow(c0)), Narrow(c1), 1);
        const __m512i r = stretch.Transform(bytes, outside);
        const __m512i r0 = _mm512_mask_blend_epi16(static_cast<__mmask32>(outside), Widen(_mm512_castsi512_si256(r)), c0);
        const __m512i r1 = _mm512_mask_blend_epi16(static_cast<__mmask32>(outside >> 32), Widen(_mm512_extracti64x4_epi64(r, 1)), c1);
        _mm512_mask_storeu_epi16(text + at, low, r0);
        _mm512_mask_storeu_epi16(text + at + 32, high, r1);
        passed += static_cast<std::size_t>(__builtin_popcountll(outside & places));
        stretch.Next();
    }
    return passed;
}

}  // namespace

std::size_t Avx512ChunkBytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length)
{
    return Bytes(chunk, text, length);
}

std::size_t Avx512ChunkText(const CipherChunk& chunk, char16_t* text, std::size_t length)
{
    return Text(chunk, text, length);
}

}  // namespace velista

#endif
