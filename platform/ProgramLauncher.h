#pragma once
// Starting another program, and testing whether a file exists, as the About box does for the
// system-information tool.

#include <string>

namespace velista {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // A directory search for path with normal attributes finds an entry.
    virtual bool FileExists(const std::string& path) const = 0;
    // Starts path in a normal window with the focus, without waiting; false when it cannot be started.
    virtual bool Start(const std::string& path) = 0;
};

}  // namespace velista
