#pragma once
// Where the result goes: standard output, or a file that is replaced only once the result is complete.

#include <string>
#include <string_view>

namespace velista::cli {

class OutputFile {
public:
    // "-" is standard output. For a file, a temporary file is made beside it; a device or a pipe is
    // written directly.
    explicit OutputFile(std::string name);
    ~OutputFile();  // removes the temporary file unless Commit() succeeded

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(std::string_view bytes);
    // Puts the finished result in place of the named file.
    void Commit();

private:
    std::string name_;
    std::string temporary_;
    int fd_ = 1;
    bool direct_ = false;
};

}  // namespace velista::cli
