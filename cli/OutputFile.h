// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the result goes: standard output, or a file that is replaced only once the result is complete.
// The same on every system: the calls are FileCalls'.

#include <string>
#include <string_view>

namespace velista::cli {

namespace file_calls {
struct Output;
}

class OutputFile {
public:
    // "-" is standard output. A link is followed to the file it names. A device or a pipe is written
    // directly; for a file, a temporary file is made beside it. Throws BatchError, before anything is
    // read, when the output cannot be written: a folder, a missing folder, no right to write.
    explicit OutputFile(std::string name);
    ~OutputFile();  // removes the temporary file unless Commit() succeeded

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(std::string_view bytes);
    // Puts the finished result on the disk and in place of the named file, with that file's mode and,
    // where permitted, its owner.
    void Commit();

private:
    void MakeTemporary(const file_calls::Output* replaced);
    void Discard();

    std::string name_;    // as the user gave it, for messages
    std::string target_;  // the file to replace: the name, or where its links lead
    std::string temporary_;
    int fd_ = 1;
    bool direct_ = false;
};

}  // namespace velista::cli
