// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InputFile.h"

#include "cli/BatchError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velista::cli {

namespace {
const char* const CannotRead = "не удаётся прочитать";
const char* const NotFileOrPipe = "это не обычный файл и не канал, а устройство или сокет";

// A regular file or a FIFO; a folder is named as such.
void CheckKind(const struct stat& status, const std::string& name)
{
    if (S_ISDIR(status.st_mode))
        throw FileError(CannotRead, name, EISDIR);
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode))
        throw FileRefusal(CannotRead, name, NotFileOrPipe);
}
}  // namespace

InputFile::InputFile(const std::string& name, Accept accept)
    : name_(name == "-" ? "стандартный ввод" : name)
{
    struct stat status {};
    if (name != "-") {
        // Looked at before opening: opening a device may itself act (a tape rewinds, a modem dials).
        if (accept == Accept::FileOrPipe && stat(name.c_str(), &status) == 0)
            CheckKind(status, name_);
        fd_ = open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0)
            throw FileError(CannotRead, name_, errno);
    }
    if (fstat(fd_, &status) == 0 && S_ISREG(status.st_mode))
        regularSize_ = static_cast<std::uint64_t>(status.st_size);
    // And again what was opened, which may have been put in the name's place meanwhile.
    if (accept == Accept::FileOrPipe) {
        try {
            if (fstat(fd_, &status) != 0)
                throw FileError(CannotRead, name_, errno);
            CheckKind(status, name_);
        } catch (const BatchError&) {
            if (fd_ > 0)
                close(fd_);
            throw;
        }
    }
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
