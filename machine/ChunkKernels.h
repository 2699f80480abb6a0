// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loops that transform one stretch of text (see CipherChunk) for one cipher path, in place; each
// returns how many characters passed unchanged. The vector loops are called only when the processor
// runs them.

#include "machine/CipherChunk.h"
#include "machine/CipherPath.h"

#include <cstddef>
#include <cstdint>

// The vector loops are built for x86-64 with GCC or clang, each function for its own instruction set
// (target attributes), so that the rest of the program runs on any x86-64. Windows builds leave them out:
// MinGW's GCC does not align the stack to 32 or 64 bytes, yet spills vector registers there with aligned
// moves, which crash (GCC bug 54412); a build without them is correct, only slower.
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__) && !defined(_WIN32)
#define VELISTA_VECTOR_PATHS 1
#endif

namespace velista {

struct ChunkKernels {
    std::size_t (*bytes)(const CipherChunk& chunk, std::uint8_t* text, std::size_t length) = nullptr;
    std::size_t (*text)(const CipherChunk& chunk, char16_t* text, std::size_t length) = nullptr;

    // False for a vector path this build leaves out.
    static bool Built(CipherPath path);
    // The path's loops; the path must be built.
    static const ChunkKernels& Of(CipherPath path);
};

// The loops of each path, defined in ScalarChunk.cpp, Avx2Chunk.cpp and Avx512Chunk.cpp.
std::size_t ScalarChunkBytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length);
std::size_t ScalarChunkText(const CipherChunk& chunk, char16_t* text, std::size_t length);
std::size_t Avx2ChunkBytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length);
std::size_t Avx2ChunkText(const CipherChunk& chunk, char16_t* text, std::size_t length);
std::size_t Avx512ChunkBytes(const CipherChunk& chunk, std::uint8_t* text, std::size_t length);
std::size_t Avx512ChunkText(const CipherChunk& chunk, char16_t* text, std::size_t length);

}  // namespace velista
