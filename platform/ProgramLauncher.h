// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting another program, and testing whether a file exists, as the About box does for the
// system-information tool.

#include <QString>

namespace velista {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // A directory search for path with normal attributes finds an entry: a plain file, not hidden.
    virtual bool FileExists(const QString& path) const = 0;
    // Starts path in a normal window with the focus, without waiting; false when it cannot be started.
    virtual bool Start(const QString& path) = 0;
};

}  // namespace velista
