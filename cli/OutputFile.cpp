// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OutputFile.h"

#include "cli/BatchError.h"
#include "cli/InterruptCleanup.h"
#include "cli/Utf8.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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

BatchError Refusal(const std::string& name, const std::string& why)
{
    return FileRefusal(CannotWrite, name, why);
}

// The descriptor that a name such as /dev/stdout or /proc/self/fd/3 stands for, or -1.
int NamedDescriptor(const std::string& path)
{
    if (path == "/dev/stdout")
        return 1;
    if (path == "/dev/stderr")
        return 2;
    for (const std::string folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (path.rfind(folder, 0) != 0 || path.size() == folder.size() || path.size() > folder.size() + 4)
            continue;
        int descriptor = 0;
        for (std::size_t i = folder.size(); i < path.size(); ++i) {
            if (path[i] < '0' || path[i] > '9')
                return -1;
            descriptor = descriptor * 10 + (path[i] - '0');
        }
        return descriptor;
    }
    return -1;
}

// The descriptor that name or a link on its way stands for, or -1.
int DescriptorBehindLinks(const std::string& name)
{
    std::string hop = name;
    for (int links = 0; links < 40; ++links) {
        if (const int descriptor = NamedDescriptor(hop); descriptor >= 0)
            return descriptor;
        char target[PATH_MAX];
        const ssize_t length = readlink(hop.c_str(), target, sizeof target - 1);
        if (length < 0)
            return -1;
        const std::string next(target, static_cast<std::size_t>(length));
        hop = next.front() == '/' ? next : Folder(hop) + "/" + next;
    }
    return -1;
}

}  // namespace

OutputFile::OutputFile(std::string name)
    : name_(std::move(name))
{
    if (name_ == "-")
        return;
    if (name_.empty())
        throw Refusal(name_, "пустое имя файла");
    if (name_.back() == '/')
        throw Refusal(name_, "имя с «/» на конце - это папка, а нужен файл");
    // The tool's own standard output or another open descriptor is written through that descriptor,
    // where it is and in its mode: replacing the file behind it would drop what a shell appended there.
    if (const int descriptor = DescriptorBehindLinks(name_); descriptor >= 0) {
        fd_ = fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
        if (fd_ < 0)
            throw FileError(CannotWrite, name_, errno);
        direct_ = true;
        return;
    }
    struct stat existing {};
    if (lstat(name_.c_str(), &existing) != 0) {
        // ENOTDIR: a file where a folder should be, named by the folder check below.
        if (errno != ENOENT && errno != ENOTDIR)
            throw FileError(CannotWrite, name_, errno);
        target_ = name_;
        MakeTemporary(nullptr);
        return;
    }
    target_ = name_;
    if (S_ISLNK(existing.st_mode)) {
        // As cp does: the link's file is written and the link stays; a link to nothing is not followed,
        // since a file made where it points may be somewhere the user never meant.
        if (stat(name_.c_str(), &existing) != 0) {
            if (errno == ENOENT)
                throw Refusal(name_, "это ссылка на несуществующий файл");
            throw FileError(CannotWrite, name_, errno);
        }
        if (S_ISREG(existing.st_mode)) {
            char resolved[PATH_MAX];
            if (realpath(name_.c_str(), resolved) == nullptr)
                throw FileError(CannotWrite, name_, errno);
            target_ = resolved;
        }
    }
    if (S_ISDIR(existing.st_mode))
        throw FileError(CannotWrite, name_, EISDIR);
    // A device or a pipe is written as it is: replacing it by a file would be wrong.
    if (!S_ISREG(existing.st_mode)) {
        fd_ = open(name_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0)
            throw FileError(CannotWrite, name_, errno);
        direct_ = true;
        return;
    }
    // A file the user may not write is not replaced, although the folder would allow it.
    if (access(target_.c_str(), W_OK) != 0)
        throw FileError(CannotWrite, name_, errno);
    MakeTemporary(&existing);
}

void OutputFile::MakeTemporary(const struct stat* existing)
{
    const std::string folder = Folder(target_);
    struct stat folderState {};
    if (stat(folder.c_str(), &folderState) != 0) {
        if (errno == ENOENT)
            throw Refusal(name_, "нет папки " + Quoted(folder));
        throw FileError(CannotWrite, name_, errno);
    }
    if (!S_ISDIR(folderState.st_mode))
        throw Refusal(name_, Quoted(folder) + " - не папка");

    std::string pattern = folder + "/.velista-XXXXXX";
    {
        InterruptCleanup::Hold hold;
        fd_ = mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ >= 0) {
            temporary_ = pattern;
            InterruptCleanup::Watch(temporary_);
        }
    }
    if (fd_ < 0) {
        if (errno == EACCES || errno == EPERM)
            throw Refusal(name_, "нет права создавать файлы в папке " + Quoted(folder)
                                     + " (результат пишется сначала во временный файл рядом)");
        throw FileError(CannotWrite, name_, errno);
    }
    // mkstemp makes the file private; give it the owner and mode of the file it replaces, or the mode
    // a new file would get. The owner first: changing it clears the set-user-ID and set-group-ID bits.
    mode_t mode = 0;
    if (existing != nullptr) {
        // Only root may give a file away; a user may still keep its group, if a member of it.
        // Keeping only the group may fail too; the file then stays the user's own, as cp leaves it.
        if (fchown(fd_, existing->st_uid, existing->st_gid) != 0 && fchown(fd_, static_cast<uid_t>(-1), existing->st_gid) != 0)
            errno = 0;
        mode = existing->st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(fd_, mode) != 0) {
        const int error = errno;
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
}

void OutputFile::Discard()
{
    InterruptCleanup::Hold hold;
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    unlink(temporary_.c_str());
    temporary_.clear();
    InterruptCleanup::Forget();
}

OutputFile::~OutputFile()
{
    if (direct_)
        close(fd_);
    if (!temporary_.empty())
        Discard();
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
    // The data reaches the disk before the name does, so that a crash cannot leave an empty file.
    if (fsync(fd_) != 0) {
        const int error = errno;
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) {
        const int error = errno;
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
    {
        InterruptCleanup::Hold hold;
        if (rename(temporary_.c_str(), target_.c_str()) != 0) {
            const int error = errno;
            unlink(temporary_.c_str());
            temporary_.clear();
            InterruptCleanup::Forget();
            throw FileError(CannotWrite, name_, error);
        }
        temporary_.clear();
        InterruptCleanup::Forget();
    }
    // And the folder's new entry, so that the replacement itself survives a crash.
    const int folder = open(Folder(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        const bool synced = fsync(folder) == 0 || errno == EINVAL;  // EINVAL: the filesystem cannot sync folders
        const int error = errno;
        close(folder);
        if (!synced)
            throw FileError(CannotWrite, name_, error);
    }
}

}  // namespace velista::cli
