// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/CipherPath.h"

#include "machine/Checked.h"
#include "machine/ChunkKernels.h"

#include <cstdlib>

namespace velista {

std::string_view CipherPathName(CipherPath path)
{
    switch (path) {
    case CipherPath::Scalar:
        return "scalar";
    case CipherPath::Avx2:
        return "avx2";
    case CipherPath::Avx512:
        return "avx512";
    }
    ProgrammingError("an unknown cipher path");
}

std::optional<CipherPath> CipherPathNamed(std::string_view name)
{
    for (const CipherPath path : AllCipherPaths) {
        if (CipherPathName(path) == name)
            return path;
    }
    return std::nullopt;
}

bool ProcessorRuns(CipherPath path)
{
    if (!ChunkKernels::Built(path))
        return false;
#if defined(__x86_64__) || defined(__i386__)
    switch (path) {
    case CipherPath::Scalar:
        return true;
    case CipherPath::Avx2:
        return __builtin_cpu_supports("avx2");
    case CipherPath::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi");
    }
#endif
    return path == CipherPath::Scalar;
}

CipherPath ChosenCipherPath()
{
    static const CipherPath chosen = [] {
        if (const char* forced = std::getenv("VELISTA_SIMD"); forced != nullptr && *forced != '\0') {
            const std::optional<CipherPath> path = CipherPathNamed(forced);
            if (!path)
                ProgrammingError("VELISTA_SIMD is none of scalar, avx2, avx512");
            if (!ProcessorRuns(*path))
                ProgrammingError("VELISTA_SIMD names a path this processor or build cannot run");
            return *path;
        }
        for (const CipherPath path : {CipherPath::Avx512, CipherPath::Avx2}) {
            if (ProcessorRuns(path))
                return path;
        }
        return CipherPath::Scalar;
    }();
    return chosen;
}

}  // namespace velista
