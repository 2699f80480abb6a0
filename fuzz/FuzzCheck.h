// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A harness's property: when it does not hold, the harness says which and aborts, which libFuzzer keeps as a
// crash and the corpus replay reports as a failed test.

#include <cstdio>
#include <cstdlib>

namespace velista::fuzz {

inline void FuzzCheck(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property broken: %s\n", property);
    std::abort();
}

}  // namespace velista::fuzz
