// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StandardStreams.h"

#include "machine/Checked.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace velista::cli {

StandardStreams::StandardStreams()
{
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        closed_[static_cast<std::size_t>(descriptor)] = true;
        // open() takes the lowest free number, which is this one since the lower ones are open by now.
        const int filler = open("/dev/null", O_RDWR);
        if (filler != descriptor) {
            if (filler >= 0)
                close(filler);
            unsafe_ = true;
        }
    }
}

bool StandardStreams::WasClosed(int descriptor) const
{
    CheckIndex(descriptor, 0, 2);
    return closed_[static_cast<std::size_t>(descriptor)];
}

bool StandardStreams::IsTerminal(int descriptor) const
{
    CheckIndex(descriptor, 0, 2);
    return isatty(descriptor) == 1;
}

}  // namespace velista::cli
