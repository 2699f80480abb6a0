// SPDX-License-Identifier: GPL-3.0-or-later
// The calls on Windows. Names are UTF-8 and opened as UTF-16; files are read and written in binary mode,
// so that a Ctrl+Z (0x1A) byte is a byte like any other rather than the end of the text. Windows' rename()
// will not replace an existing file, so ReplaceFileW does, keeping the old file's attributes and security,
// as the tool keeps a file's owner and mode elsewhere; a new file is moved in place with write-through.
#include "cli/FileCalls.h"

#include "cli/WindowsText.h"
#include "files/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <windows.h>

namespace velista::cli::file_calls {

const char* const OtherKinds = "устройство";

namespace {

int LastError()
{
    return ErrnoFromSystemError(GetLastError());
}

bool IsMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Whether the nearest part of the path that is there is a file rather than a folder. Windows says "not
// found" for a path that goes on under a file, as for a missing folder; POSIX says ENOTDIR.
bool UnderAFile(std::string path)
{
    for (std::string up = Folder(path); up != path; path = up, up = Folder(up)) {
        const DWORD attributes = GetFileAttributesW(WideFromUtf8(up).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES)
            return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    return false;
}

// The errno value for a failure to find name, told apart as POSIX tells it.
int NotFound(const std::string& name, DWORD error)
{
    return IsMissing(error) && UnderAFile(name) ? ENOTDIR : ErrnoFromSystemError(error);
}

// What a call that fills a path buffer writes: it returns the length written, or the size it needs
// when the buffer is too small, or 0 on failure. Empty on failure.
template <typename Call>
std::wstring PathFrom(Call call)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = call(path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length + 1);
    }
}

// The final path of an open file, with links resolved; empty if the system cannot tell.
std::wstring FinalPath(HANDLE file)
{
    return PathFrom([file](wchar_t* buffer, DWORD size) { return GetFinalPathNameByHandleW(file, buffer, size, 0); });
}

// The path from the drive's root; the path as it is if the system cannot tell.
std::wstring FullPath(const std::wstring& path)
{
    const std::wstring full = PathFrom(
        [&path](wchar_t* buffer, DWORD size) { return GetFullPathNameW(path.c_str(), size, buffer, nullptr); });
    return full.empty() ? path : full;
}

}  // namespace

Look LookAt(const std::string& name)
{
    const DWORD attributes = GetFileAttributesW(WideFromUtf8(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (!IsMissing(error))
            return {Kind::Missing, ErrnoFromSystemError(error)};
        return {Kind::Missing, UnderAFile(name) ? ENOTDIR : 0};
    }
    // A device (NUL, a COM port) shows no attributes of its own: what it is shows once it is open.
    return {attributes & FILE_ATTRIBUTE_DIRECTORY ? Kind::Folder : Kind::Regular};
}

Look LookAt(int fd)
{
    // A console, NUL or a serial port is a character device.
    const HANDLE file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    switch (GetFileType(file)) {
    case FILE_TYPE_DISK: {
        LARGE_INTEGER size{};
        return {Kind::Regular, 0, GetFileSizeEx(file, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0};
    }
    case FILE_TYPE_PIPE:
        return {Kind::Pipe};
    default:
        return {Kind::Other};
    }
}

Opened OpenForReading(const std::string& name)
{
    const HANDLE file = CreateFileW(WideFromUtf8(name).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {-1, NotFound(name, GetLastError())};
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
        return {-1, EMFILE};
    }
    return {fd, 0};
}

Output LookAtOutput(const std::string& name)
{
    Output output;
    output.path = name;
    const std::wstring wide = WideFromUtf8(name);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        output.error = IsMissing(error) ? 0 : ErrnoFromSystemError(error);
        return output;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        output.way = Output::Way::Folder;
        return output;
    }
    // Opening follows a link to its file.
    const HANDLE existing = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (existing == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        output.way = Output::Way::LinkToNothing;
        output.error = error == ERROR_FILE_NOT_FOUND ? 0 : ErrnoFromSystemError(error);
        return output;
    }
    if (GetFileType(existing) != FILE_TYPE_DISK) {
        output.way = Output::Way::Direct;
        output.fd = _open_osfhandle(reinterpret_cast<intptr_t>(existing), _O_WRONLY | _O_BINARY);
        if (output.fd < 0) {
            output.error = errno;
            CloseHandle(existing);
        }
        return output;
    }
    output.way = Output::Way::Replace;
    // Windows refuses to open a read-only file for writing, but Wine lets root do it; either way the
    // file is refused here, before any input is read.
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileInformationByHandle(existing, &information) && (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
        output.error = EACCES;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // The link's file is written and the link stays.
        const std::wstring final = FinalPath(existing);
        if (!final.empty())
            output.path = Utf8FromWide(final);
    }
    CloseHandle(existing);
    return output;
}

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

std::string Folder(const std::string& path)
{
    const auto separator = path.find_last_of("/\\");
    if (separator == std::string::npos)
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
    return separator == 0 || (separator == 2 && path[1] == ':') ? path.substr(0, separator + 1)
                                                                 : path.substr(0, separator);
}

Temporary CreateTemporary(const std::string& folder)
{
    std::random_device seed;
    std::mt19937 random(seed());
    const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = folder + (IsSeparator(folder.back()) ? "" : "\\") + ".velista-";
        for (int i = 0; i < 6; ++i)
            candidate += letters[random() % (sizeof letters - 1)];
        const HANDLE file = CreateFileW(WideFromUtf8(candidate).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                continue;
            return {-1, ErrnoFromSystemError(error), {}};
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
        if (fd < 0) {
            CloseHandle(file);
            DeleteFileW(WideFromUtf8(candidate).c_str());
            return {-1, EMFILE, {}};
        }
        return {fd, 0, candidate};
    }
    return {-1, EEXIST, {}};
}

int Inherit(int, const Output*)
{
    return 0;  // ReplaceFileW keeps the replaced file's attributes and security
}

Transfer ReadSome(int fd, char* buffer, std::size_t size)
{
    const int got = _read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
    if (got < 0)
        return {0, errno};
    return {static_cast<std::size_t>(got)};
}

Transfer WriteSome(int fd, std::string_view bytes)
{
    const int written = _write(fd, bytes.data(), static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30)));
    if (written < 0)
        return {0, errno};
    return {static_cast<std::size_t>(written)};
}

int Close(int fd)
{
    return _close(fd) != 0 ? errno : 0;
}

int SyncData(int fd)
{
    return _commit(fd) != 0 ? errno : 0;
}

int Replace(const std::string& temporary, const std::string& target)
{
    // Full paths: Wine's ReplaceFileW failed with ERROR_DIRECTORY on a name relative to the current
    // folder when the tool had been started without a standard stream.
    const std::wstring from = FullPath(WideFromUtf8(temporary));
    const std::wstring to = FullPath(WideFromUtf8(target));
    const DWORD existing = GetFileAttributesW(to.c_str());
    // What a user set on the old file stays, the result is marked changed for backups. Not every
    // ReplaceFileW carries them over (Wine's does not), so the result has them before it is put in place.
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & kept)
        && !SetFileAttributesW(from.c_str(), (existing & kept) | FILE_ATTRIBUTE_ARCHIVE))
        return LastError();
    const bool replaced = existing != INVALID_FILE_ATTRIBUTES
        ? ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
        : MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
    return replaced ? 0 : LastError();
}

int SyncFolder(const std::string&)
{
    return 0;  // Windows syncs no folder; a new file was moved in with write-through
}

void Remove(const std::string& path)
{
    DeleteFileW(WideFromUtf8(path).c_str());
}

}  // namespace velista::cli::file_calls
