#include "OutputFile.h"

#include "BatchError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velista::cli {

namespace {

const char* const CannotWrite = "не удаётся записать";

std::string Folder(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

OutputFile::OutputFile(std::string name)
    : name_(std::move(name))
{
    if (name_ == "-")
        return;
    struct stat existing {};
    const bool exists = stat(name_.c_str(), &existing) == 0;
    // A device or a pipe is written as it is: replacing it by a file would be wrong.
    if (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode)) {
        fd_ = open(name_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0)
            throw FileError(CannotWrite, name_, errno);
        direct_ = true;
        return;
    }
    std::string pattern = Folder(name_) + "/.velista-XXXXXX";
    fd_ = mkstemp(pattern.data());
    if (fd_ < 0)
        throw FileError(CannotWrite, name_, errno);
    temporary_ = pattern;
    // mkstemp makes the file private; give it the mode the named file has, or that a new file would get.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    fchmod(fd_, mode);
}

OutputFile::~OutputFile()
{
    if (direct_)
        close(fd_);
    if (!temporary_.empty()) {
        close(fd_);
        unlink(temporary_.c_str());
    }
}

void OutputFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(CannotWrite, name_ == "-" ? "стандартный вывод" : name_, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void OutputFile::Commit()
{
    if (direct_) {
        direct_ = false;
        if (close(fd_) != 0)
            throw FileError(CannotWrite, name_, errno);
        return;
    }
    if (temporary_.empty())
        return;
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0 || rename(temporary_.c_str(), name_.c_str()) != 0) {
        const int error = errno;
        unlink(temporary_.c_str());
        temporary_.clear();
        throw FileError(CannotWrite, name_, error);
    }
    temporary_.clear();
}

}  // namespace velista::cli
