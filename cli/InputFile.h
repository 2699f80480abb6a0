// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's input: a named file or standard input, read piece by piece.
// The same on every system: the calls are FileCalls' (binary mode on Windows, where a Ctrl+Z byte is then
// a byte like any other rather than the end of the text).

#include <cstddef>
#include <cstdint>
#include <string>

namespace velista::cli {

class InputFile {
public:
    enum class Accept {
        Anything,   // a stream to the end, whatever it is: encryption never holds the whole input
        FileOrPipe  // a regular file or a pipe: a device (a terminal, /dev/zero, NUL) is refused before reading
    };

    // "-" is standard input. Throws FileError when the file cannot be opened, or is not accepted.
    explicit InputFile(const std::string& name, Accept accept = Accept::Anything);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Fills as much of the buffer as it can; 0 at the end of the input. Throws FileError when reading fails.
    std::size_t Read(std::string& buffer);
    // The size of a regular file when it was opened; 0 for anything else.
    std::uint64_t RegularSize() const { return regularSize_; }

private:
    std::string name_;
    int fd_ = 0;
    std::uint64_t regularSize_ = 0;
};

}  // namespace velista::cli
