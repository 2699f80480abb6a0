// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FileCalls.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velista::cli::file_calls {

const char* const OtherKinds = "устройство или сокет";

namespace {

Look FromStatus(const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        return {Kind::Folder};
    if (S_ISREG(status.st_mode))
        return {Kind::Regular, 0, static_cast<std::uint64_t>(status.st_size)};
    return {S_ISFIFO(status.st_mode) ? Kind::Pipe : Kind::Other};
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

Look LookAt(const std::string& name)
{
    struct stat status {};
    if (stat(name.c_str(), &status) != 0)
        return {Kind::Missing, errno == ENOENT ? 0 : errno};
    return FromStatus(status);
}

Look LookAt(int fd)
{
    struct stat status {};
    if (fstat(fd, &status) != 0)
        return {Kind::Missing, errno};
    return FromStatus(status);
}

Opened OpenForReading(const std::string& name)
{
    const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    return {fd, fd < 0 ? errno : 0};
}

Output LookAtOutput(const std::string& name)
{
    Output output;
    output.path = name;
    // The tool's own standard output or another open descriptor is written through that descriptor,
    // where it is and in its mode.
    if (const int descriptor = DescriptorBehindLinks(name); descriptor >= 0) {
        output.way = Output::Way::Direct;
        output.fd = fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
        output.error = output.fd < 0 ? errno : 0;
        return output;
    }
    struct stat existing {};
    if (lstat(name.c_str(), &existing) != 0) {
        // ENOTDIR: a file where a folder should be, named by the folder check that follows.
        output.error = errno == ENOENT || errno == ENOTDIR ? 0 : errno;
        return output;
    }
    if (S_ISLNK(existing.st_mode)) {
        if (stat(name.c_str(), &existing) != 0) {
            output.way = Output::Way::LinkToNothing;
            output.error = errno == ENOENT ? 0 : errno;
            return output;
        }
        if (S_ISREG(existing.st_mode)) {
            // The link's file is written and the link stays.
            char resolved[PATH_MAX];
            if (realpath(name.c_str(), resolved) == nullptr)
                output.error = errno;
            else
                output.path = resolved;
        }
    }
    if (S_ISDIR(existing.st_mode)) {
        output.way = Output::Way::Folder;
    } else if (!S_ISREG(existing.st_mode)) {
        output.way = Output::Way::Direct;
        output.fd = open(name.c_str(), O_WRONLY | O_CLOEXEC);
        output.error = output.fd < 0 ? errno : 0;
    } else {
        output.way = Output::Way::Replace;
        // A file the user may not write is not replaced, although the folder would allow it.
        if (output.error == 0 && access(output.path.c_str(), W_OK) != 0)
            output.error = errno;
        output.owner = existing.st_uid;
        output.group = existing.st_gid;
        output.mode = existing.st_mode & 07777;
    }
    return output;
}

bool IsSeparator(char c)
{
    return c == '/';
}

std::string Folder(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

Temporary CreateTemporary(const std::string& folder)
{
    std::string pattern = folder + "/.velista-XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return {-1, errno, {}};
    return {fd, 0, pattern};
}

int Inherit(int fd, const Output* replaced)
{
    // mkstemp makes the file private; give it the owner and mode of the file it replaces, or the mode
    // a new file would get. The owner first: changing it clears the set-user-ID and set-group-ID bits.
    mode_t mode = 0;
    if (replaced != nullptr) {
        // Only root may give a file away; a user may still keep its group, if a member of it.
        // Keeping only the group may fail too; the file then stays the user's own, as cp leaves it.
        if (fchown(fd, replaced->owner, replaced->group) != 0 && fchown(fd, static_cast<uid_t>(-1), replaced->group) != 0)
            errno = 0;
        mode = replaced->mode;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    return fchmod(fd, mode) != 0 ? errno : 0;
}

Transfer ReadSome(int fd, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = read(fd, buffer, size);
        if (got >= 0)
            return {static_cast<std::size_t>(got)};
        if (errno != EINTR)
            return {0, errno};
    }
}

Transfer WriteSome(int fd, std::string_view bytes)
{
    for (;;) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written >= 0)
            return {static_cast<std::size_t>(written)};
        if (errno != EINTR)
            return {0, errno};
    }
}

int Close(int fd)
{
    return close(fd) != 0 ? errno : 0;
}

int SyncData(int fd)
{
    return fsync(fd) != 0 ? errno : 0;
}

int Replace(const std::string& temporary, const std::string& target)
{
    return rename(temporary.c_str(), target.c_str()) != 0 ? errno : 0;
}

int SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    // EINVAL: the filesystem cannot sync folders.
    const int error = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    close(fd);
    return error;
}

void Remove(const std::string& path)
{
    unlink(path.c_str());
}

}  // namespace velista::cli::file_calls
