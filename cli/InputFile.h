// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's input: a named file or standard input, read piece by piece.

#include <cstddef>
#include <string>

namespace velista::cli {

class InputFile {
public:
    // "-" is standard input. Throws FileError when the file cannot be opened.
    explicit InputFile(const std::string& name);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Fills as much of the buffer as it can; 0 at the end of the input. Throws FileError when reading fails.
    std::size_t Read(std::string& buffer);

private:
    std::string name_;
    int fd_ = 0;
};

}  // namespace velista::cli
