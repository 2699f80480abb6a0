// SPDX-License-Identifier: GPL-3.0-or-later
// The AVX2 loop of a stretch (see CipherChunk): 32 characters a step. vpshufb looks up 16 places at a
// time, so a table of 135 places is nine lookups, chained so that each one adds the difference from the
// previous 16 places (below), and the 256 places of the first table are sixteen. The turns of slots 1 and
// 2 are worked out for every place of the vector, so a vector may cross slot 2's turn.

#include "machine/ChunkKernels.h"

#ifdef VELISTA_VECTOR_PATHS

#include <immintrin.h>

#include <algorithm>
#include <cstring>

#define VELISTA_AVX2 __attribute__((target("avx2")))
#define VELISTA_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace velista {

namespace {

constexpr int N = RowLength;
constexpr int W = 32;

VELISTA_AVX2_INLINE __m256i Sixteen(const std::uint8_t* places)
{
    return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(places)));
}

// Up to 128 places: lookup k reads places 16k to 16k + 15 XOR-ed with the 16 before, at index x - 16k
// (saturating), which vpshufb answers with zero once negative. For x in 16c to 16c + 15 the lookups 0 to
// c answer, and their differences add up to place x; x of 128 and more (negative) answers zero.
struct Chain {
    __m256i differences[8];

    VELISTA_AVX2_INLINE explicit Chain(const std::uint8_t* places)
    {
        differences[0] = Sixteen(places);
        for (std::size_t k = 1; k < 8; ++k)
            differences[k] = _mm256_xor_si256(Sixteen(places + 16 * k), Sixteen(places + 16 * (k - 1)));
    }

    VELISTA_AVX2_INLINE __m256i operator()(__m256i x) const
    {
        const __m256i sixteen = _mm256_set1_epi8(16);
        __m256i result = _mm256_shuffle_epi8(differences[0], x);
        for (std::size_t k = 1; k < 8; ++k) {
            x = _mm256_subs_epi8(x, sixteen);
            result = _mm256_xor_si256(result, _mm256_shuffle_epi8(differences[k], x));
        }
        return result;
    }
};

// A table of 135 places (read as 144): places 128 to 143 answer an index with its top bit flipped.
struct Table135 {
    Chain low;
    __m256i high;

    VELISTA_AVX2_INLINE explicit Table135(const std::uint8_t* places)
        : low(places)
        , high(Sixteen(places + 128))
    {
    }
    VELISTA_AVX2_INLINE __m256i operator()(__m256i x) const
    {
        const __m256i top = _mm256_set1_epi8(static_cast<char>(0x80));
        return _mm256_xor_si256(low(x), _mm256_shuffle_epi8(high, _mm256_xor_si256(x, top)));
    }
};

// A table of 256 places: two chains, the second over the index with its top bit flipped.
struct Table256 {
    Chain low, high;

    VELISTA_AVX2_INLINE explicit Table256(const std::uint8_t* places)
        : low(places)
        , high(places + 128)
    {
    }
    VELISTA_AVX2_INLINE __m256i operator()(__m256i c) const
    {
        const __m256i top = _mm256_set1_epi8(static_cast<char>(0x80));
        return _mm256_xor_si256(low(c), high(_mm256_xor_si256(c, top)));
    }
};

// (x - y) mod 135 for x and y in 0 to 134.
VELISTA_AVX2_INLINE __m256i SubMod(__m256i x, __m256i y)
{
    const __m256i notBelow = _mm256_cmpeq_epi8(_mm256_max_epu8(x, y), x);
    return _mm256_add_epi8(_mm256_sub_epi8(x, y), _mm256_andnot_si256(notBelow, _mm256_set1_epi8(static_cast<char>(N))));
}

// x mod 135 for x below 256.
VELISTA_AVX2_INLINE __m256i Wrap(__m256i x)
{
    return _mm256_min_epu8(x, _mm256_sub_epi8(x, _mm256_set1_epi8(static_cast<char>(N))));
}

// The stretch's tables in registers, and the turns of slots 1 and 2 at the next vector's first step.
class Stretch {
public:
    VELISTA_AVX2_INLINE explicit Stretch(const CipherChunk& chunk)
        : first_(chunk.firstByte)
        , middle_(chunk.middle)
        , last_(chunk.lastByte)
        , encipher_(chunk.encipher)
        , t1_(chunk.t1)
        , o2_(chunk.o2)
        , c1_(chunk.c1)
    {
    }

    // Transforms 32 bytes whose places hold steps (0 to 31 from the vector's first step); sets outside to
    // the places that pass unchanged.
    VELISTA_AVX2_INLINE __m256i Transform(__m256i c, __m256i steps, __m256i& outside) const
    {
        // Slot 2 turns at the step where counter 1 reaches 135.
        const __m256i carried = _mm256_cmpgt_epi8(steps, _mm256_set1_epi8(static_cast<char>(std::min(N - c1_ - 1, 127))));
        const __m256i o2 = Wrap(_mm256_sub_epi8(_mm256_set1_epi8(static_cast<char>(o2_)), carried));
        const __m256i t1 = Wrap(_mm256_add_epi8(_mm256_set1_epi8(static_cast<char>(t1_)), steps));
        const __m256i nu = encipher_ ? SubMod(o2, t1) : o2;
        const __m256i nv = encipher_ ? SubMod(_mm256_setzero_si256(), o2) : SubMod(t1, o2);
        const __m256i a = first_(c);
        outside = _mm256_cmpeq_epi8(a, _mm256_set1_epi8(static_cast<char>(CipherChunk::Outside)));
        const __m256i r = last_(SubMod(middle_(SubMod(a, nu)), nv));
        return _mm256_blendv_epi8(r, c, outside);
    }

    VELISTA_AVX2_INLINE void Next()
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

// The places below count, as a mask of their bytes.
VELISTA_AVX2_INLINE unsigned Counted(__m256i outside, __m256i steps, std::size_t count)
{
    const __m256i inside = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(count)), steps);
    return static_cast<unsigned>(_mm256_movemask_epi8(_mm256_and_si256(outside, inside)));
}

VELISTA_AVX2 std::size_t Bytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length)
{
    Stretch stretch(chunk);
    const __m256i steps = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                           20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
    std::size_t passed = 0;
    std::size_t at = 0;
    __m256i outside;
    for (; at + W <= length; at += W) {
        auto* place = reinterpret_cast<__m256i*>(text + at);
        _mm256_storeu_si256(place, stretch.Transform(_mm256_loadu_si256(place), steps, outside));
        passed += static_cast<std::size_t>(__builtin_popcount(static_cast<unsigned>(_mm256_movemask_epi8(outside))));
        stretch.Next();
    }
    if (at < length) {
        alignas(W) std::uint8_t rest[W] = {};
        std::memcpy(rest, text + at, length - at);
        auto* place = reinterpret_cast<__m256i*>(rest);
        _mm256_store_si256(place, stretch.Transform(_mm256_load_si256(place), steps, outside));
        passed += static_cast<std::size_t>(__builtin_popcount(Counted(outside, steps, length - at)));
        std::memcpy(text + at, rest, length - at);
    }
    return passed;
}

// UTF-16 goes through the byte tables: ASCII stays, А to я become Windows-1251's C0 to FF, and every
// other character 80, which the tables hold as outside the alphabet when the chunk is narrowable.
VELISTA_AVX2_INLINE __m256i Narrow(__m256i c)
{
    const __m256i ascii = _mm256_cmpeq_epi16(_mm256_min_epu16(c, _mm256_set1_epi16(0x7F)), c);
    const __m256i d = _mm256_sub_epi16(c, _mm256_set1_epi16(0x410));
    const __m256i cyrillic = _mm256_cmpeq_epi16(_mm256_min_epu16(d, _mm256_set1_epi16(0x3F)), d);
    const __m256i other = _mm256_blendv_epi8(_mm256_set1_epi16(0x80), _mm256_add_epi16(d, _mm256_set1_epi16(0xC0)), cyrillic);
    return _mm256_blendv_epi8(other, c, ascii);
}

VELISTA_AVX2_INLINE __m256i Widen(__m256i b)
{
    const __m256i cyrillic = _mm256_cmpgt_epi16(b, _mm256_set1_epi16(0x7F));
    return _mm256_add_epi16(b, _mm256_and_si256(cyrillic, _mm256_set1_epi16(0x350)));
}

// 32 characters; packing two vectors of 16 interleaves their halves, so the steps follow that order.
VELISTA_AVX2_INLINE void Characters(const Stretch& stretch, __m256i& c0, __m256i& c1, __m256i steps, __m256i& outside)
{
    const __m256i r = stretch.Transform(_mm256_packus_epi16(Narrow(c0), Narrow(c1)), steps, outside);
    const __m256i zero = _mm256_setzero_si256();
    c0 = _mm256_blendv_epi8(Widen(_mm256_unpacklo_epi8(r, zero)), c0, _mm256_unpacklo_epi8(outside, outside));
    c1 = _mm256_blendv_epi8(Widen(_mm256_unpackhi_epi8(r, zero)), c1, _mm256_unpackhi_epi8(outside, outside));
}

VELISTA_AVX2 std::size_t Text(const CipherChunk& chunk, char16_t* text, std::size_t length)
{
    Stretch stretch(chunk);
    const __m256i steps = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 16, 17, 18, 19, 20, 21, 22, 23, 8, 9, 10, 11, 12,
                                           13, 14, 15, 24, 25, 26, 27, 28, 29, 30, 31);
    std::size_t passed = 0;
    std::size_t at = 0;
    __m256i outside;
    for (; at + W <= length; at += W) {
        auto* place = reinterpret_cast<__m256i*>(text + at);
        __m256i c0 = _mm256_loadu_si256(place), c1 = _mm256_loadu_si256(place + 1);
        Characters(stretch, c0, c1, steps, outside);
        _mm256_storeu_si256(place, c0);
        _mm256_storeu_si256(place + 1, c1);
        passed += static_cast<std::size_t>(__builtin_popcount(static_cast<unsigned>(_mm256_movemask_epi8(outside))));
        stretch.Next();
    }
    if (at < length) {
        alignas(W) char16_t rest[W] = {};
        std::memcpy(rest, text + at, (length - at) * sizeof(char16_t));
        auto* place = reinterpret_cast<__m256i*>(rest);
        __m256i c0 = _mm256_load_si256(place), c1 = _mm256_load_si256(place + 1);
        Characters(stretch, c0, c1, steps, outside);
        _mm256_store_si256(place, c0);
        _mm256_store_si256(place + 1, c1);
        passed += static_cast<std::size_t>(__builtin_popcount(Counted(outside, steps, length - at)));
        std::memcpy(text + at, rest, (length - at) * sizeof(char16_t));
    }
    return passed;
}

}  // namespace

std::size_t Avx2ChunkBytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length)
{
    return Bytes(chunk, text, length);
}

std::size_t Avx2ChunkText(const CipherChunk& chunk, char16_t* text, std::size_t length)
{
    return Text(chunk, text, length);
}

}  // namespace velista

#endif
