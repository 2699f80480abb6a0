// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SystemError.h"

#include <cerrno>

namespace velista {

int LastSystemError()
{
    return errno;
}

void ClearSystemError()
{
    errno = 0;
}

}  // namespace velista
