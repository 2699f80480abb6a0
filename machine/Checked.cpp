// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/Checked.h"

#include <cstdio>
#include <cstdlib>

namespace velista {

void ProgrammingError(const char* what)
{
    std::fprintf(stderr, "velista: programming error: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

}  // namespace velista
