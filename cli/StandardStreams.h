// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard input, output and error as the tool was started with them: a closed one is noted and its
// descriptor taken by /dev/null, so that no file the tool opens can take its place.

#include <array>

namespace velista::cli {

class StandardStreams {
public:
    // Looks at descriptors 0, 1 and 2 and fills each closed one.
    StandardStreams();

    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    // The descriptor was closed when the tool started.
    bool WasClosed(int descriptor) const;
    // The descriptor is a terminal (a console on Windows): a person is watching it.
    bool IsTerminal(int descriptor) const;
    // A closed descriptor could not be filled: a file opened later might take its number.
    bool Unsafe() const { return unsafe_; }

private:
    std::array<bool, 3> closed_{};
    bool unsafe_ = false;
};

}  // namespace velista::cli
