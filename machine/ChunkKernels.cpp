// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/ChunkKernels.h"

#include "machine/Checked.h"

namespace velista {

bool ChunkKernels::Built(CipherPath path)
{
#ifdef VELISTA_VECTOR_PATHS
    (void)path;
    return true;
#else
    return path == CipherPath::Scalar;
#endif
}

const ChunkKernels& ChunkKernels::Of(CipherPath path)
{
    static constexpr ChunkKernels scalar{ScalarChunkBytes, ScalarChunkText};
#ifdef VELISTA_VECTOR_PATHS
    static constexpr ChunkKernels avx2{Avx2ChunkBytes, Avx2ChunkText};
    static constexpr ChunkKernels avx512{Avx512ChunkBytes, Avx512ChunkText};
    switch (path) {
    case CipherPath::Scalar:
        return scalar;
    case CipherPath::Avx2:
        return avx2;
    case CipherPath::Avx512:
        return avx512;
    }
#endif
    if (path != CipherPath::Scalar)
        ProgrammingError("a cipher path this build leaves out");
    return scalar;
}

}  // namespace velista
