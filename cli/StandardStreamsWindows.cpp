// SPDX-License-Identifier: GPL-3.0-or-later
// The standard streams on Windows. A process may start without one (a program started from the
// desktop has none): its descriptor is then taken by NUL. All three are put in binary mode, so that
// the output holds exactly the bytes the tool writes, as on other systems: in text mode the C library
// would turn each LF into CR LF, and an enciphered CR LF into CR CR LF.
#include "cli/StandardStreams.h"

#include "machine/Checked.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace velista::cli {

StandardStreams::StandardStreams()
{
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        // -2: the descriptor exists but no stream is behind it; -1: no descriptor at all.
        if (_get_osfhandle(descriptor) >= 0)
            continue;
        closed_[static_cast<std::size_t>(descriptor)] = true;
        const int filler = _open("NUL", descriptor == 0 ? _O_RDONLY : _O_WRONLY);
        if (filler < 0 || (filler != descriptor && _dup2(filler, descriptor) != 0))
            unsafe_ = true;
        if (filler >= 0 && filler != descriptor)
            _close(filler);
    }
    for (int descriptor = 0; descriptor < 3; ++descriptor)
        _setmode(descriptor, _O_BINARY);
    // Messages are UTF-8; a console shows them as such only when told so.
    SetConsoleOutputCP(CP_UTF8);
}

bool StandardStreams::WasClosed(int descriptor) const
{
    CheckIndex(descriptor, 0, 2);
    return closed_[static_cast<std::size_t>(descriptor)];
}

bool StandardStreams::IsTerminal(int descriptor) const
{
    CheckIndex(descriptor, 0, 2);
    return _isatty(descriptor) != 0;
}

}  // namespace velista::cli
