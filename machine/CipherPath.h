// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ways the whole-text cipher can run on this processor: a branch-free scalar loop everywhere, and
// 32- or 64-byte vector loops where the processor has AVX2 or AVX-512 VBMI.

#include <optional>
#include <string_view>

namespace velista {

enum class CipherPath { Scalar, Avx2, Avx512 };

inline constexpr CipherPath AllCipherPaths[] = {CipherPath::Scalar, CipherPath::Avx2, CipherPath::Avx512};

// "scalar", "avx2" or "avx512": the names VELISTA_SIMD takes.
std::string_view CipherPathName(CipherPath path);
std::optional<CipherPath> CipherPathNamed(std::string_view name);

// True when this build holds the path and this processor can run it.
bool ProcessorRuns(CipherPath path);

// The path a bank uses unless told otherwise: VELISTA_SIMD when it is set, else the fastest the processor
// runs. Decided once, at the first call, and never changed afterwards; a path named that this processor
// cannot run, or a name that is none, stops the program (the variable is for tests and benchmarks).
CipherPath ChosenCipherPath();

}  // namespace velista
