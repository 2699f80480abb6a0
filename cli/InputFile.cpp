// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InputFile.h"

#include "cli/BatchError.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace velista::cli {

namespace {
const char* const CannotRead = "не удаётся прочитать";
}  // namespace

InputFile::InputFile(const std::string& name)
    : name_(name == "-" ? "стандартный ввод" : name)
{
    if (name == "-")
        return;
    fd_ = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw FileError(CannotRead, name_, errno);
}

InputFile::~InputFile()
{
    if (fd_ > 0)
        close(fd_);
}

std::size_t InputFile::Read(std::string& buffer)
{
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t got = read(fd_, buffer.data() + filled, buffer.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(CannotRead, name_, errno);
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

}  // namespace velista::cli
