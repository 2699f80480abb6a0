// SPDX-License-Identifier: GPL-3.0-or-later
// The output on Windows. The same promises as elsewhere: the result goes to a temporary file beside the
// target, reaches the disk, and only then takes the target's place. Windows' rename() will not replace
// an existing file, so ReplaceFileW does, keeping the old file's attributes and security, as the tool
// keeps a file's owner and mode elsewhere; a new file is moved in place with write-through.
#include "cli/OutputFile.h"

#include "cli/BatchError.h"
#include "cli/InterruptCleanup.h"
#include "cli/Utf8.h"
#include "cli/WindowsText.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <windows.h>

namespace velista::cli {

namespace {

const char* const CannotWrite = "не удаётся записать";

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

BatchError Refusal(const std::string& name, const std::string& why)
{
    return FileRefusal(CannotWrite, name, why);
}

BatchError SystemFailure(const std::string& name)
{
    return FileError(CannotWrite, name, ErrnoFromSystemError(GetLastError()));
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

OutputFile::OutputFile(std::string name)
    : name_(std::move(name))
{
    if (name_ == "-")
        return;
    if (name_.empty())
        throw Refusal(name_, "пустое имя файла");
    if (IsSeparator(name_.back()))
        throw Refusal(name_, "имя с «" + name_.substr(name_.size() - 1) + "» на конце - это папка, а нужен файл");
    target_ = name_;
    const std::wstring wide = WideFromUtf8(name_);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            throw FileError(CannotWrite, name_, ErrnoFromSystemError(error));
        MakeTemporary(nullptr);
        return;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throw FileError(CannotWrite, name_, EISDIR);
    // Opening follows a link to its file; a device (NUL, a COM port) or a pipe is written as it is.
    const HANDLE existing = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (existing == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            throw Refusal(name_, "это ссылка на несуществующий файл");
        throw SystemFailure(name_);
    }
    const DWORD type = GetFileType(existing);
    BY_HANDLE_FILE_INFORMATION information{};
    // Windows refuses to open a read-only file for writing, but Wine lets root do it; either way the
    // file is refused here, before any input is read.
    if (type == FILE_TYPE_DISK && GetFileInformationByHandle(existing, &information)
        && (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) {
        CloseHandle(existing);
        throw FileError(CannotWrite, name_, EACCES);
    }
    if (type != FILE_TYPE_DISK) {
        fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(existing), _O_WRONLY | _O_BINARY);
        if (fd_ < 0) {
            CloseHandle(existing);
            throw FileError(CannotWrite, name_, errno);
        }
        direct_ = true;
        return;
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // As cp does: the link's file is written and the link stays.
        const std::wstring final = FinalPath(existing);
        if (!final.empty())
            target_ = Utf8FromWide(final);
    }
    CloseHandle(existing);
    MakeTemporary(nullptr);
}

void OutputFile::MakeTemporary(const struct stat*)
{
    const std::string folder = Folder(target_);
    const DWORD folderAttributes = GetFileAttributesW(WideFromUtf8(folder).c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            throw Refusal(name_, "нет папки " + Quoted(folder));
        throw FileError(CannotWrite, name_, ErrnoFromSystemError(error));
    }
    if (!(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        throw Refusal(name_, Quoted(folder) + " - не папка");

    std::random_device seed;
    std::mt19937 random(seed());
    const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    fd_ = -1;  // until now standard output's, which would end the loop before it began
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        std::string candidate = folder + (IsSeparator(folder.back()) ? "" : "\\") + ".velista-";
        for (int i = 0; i < 6; ++i)
            candidate += letters[random() % (sizeof letters - 1)];
        InterruptCleanup::Hold hold;
        const HANDLE file = CreateFileW(WideFromUtf8(candidate).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                continue;
            if (error == ERROR_ACCESS_DENIED)
                throw Refusal(name_, "нет права создавать файлы в папке " + Quoted(folder)
                                         + " (результат пишется сначала во временный файл рядом)");
            throw FileError(CannotWrite, name_, ErrnoFromSystemError(error));
        }
        fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
        if (fd_ < 0) {
            CloseHandle(file);
            DeleteFileW(WideFromUtf8(candidate).c_str());
            throw FileError(CannotWrite, name_, EMFILE);
        }
        temporary_ = candidate;
        InterruptCleanup::Watch(temporary_);
    }
    if (fd_ < 0)
        throw FileError(CannotWrite, name_, EEXIST);
}

void OutputFile::Discard()
{
    InterruptCleanup::Hold hold;
    if (fd_ >= 0)
        _close(fd_);
    fd_ = -1;
    DeleteFileW(WideFromUtf8(temporary_).c_str());
    temporary_.clear();
    InterruptCleanup::Forget();
}

OutputFile::~OutputFile()
{
    if (direct_)
        _close(fd_);
    if (!temporary_.empty())
        Discard();
}

void OutputFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto wanted = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int written = _write(fd_, bytes.data(), wanted);
        if (written < 0)
            throw FileError(CannotWrite, name_ == "-" ? "стандартный вывод" : name_, errno);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void OutputFile::Commit()
{
    if (direct_) {
        direct_ = false;
        if (_close(fd_) != 0)
            throw FileError(CannotWrite, name_, errno);
        return;
    }
    if (temporary_.empty())
        return;
    // The data reaches the disk before the name does, so that a crash cannot leave an empty file.
    if (_commit(fd_) != 0) {
        const int error = errno;
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
    const int fd = fd_;
    fd_ = -1;
    if (_close(fd) != 0) {
        const int error = errno;
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
    InterruptCleanup::Hold hold;
    // Full paths: Wine's ReplaceFileW failed with ERROR_DIRECTORY on a name relative to the current
    // folder when the tool had been started without a standard stream.
    const std::wstring temporary = FullPath(WideFromUtf8(temporary_));
    const std::wstring target = FullPath(WideFromUtf8(target_));
    const DWORD existing = GetFileAttributesW(target.c_str());
    // What a user set on the old file stays, the result is marked changed for backups. Not every
    // ReplaceFileW carries them over (Wine's does not), so the result has them before it is put in place.
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & kept)
        && !SetFileAttributesW(temporary.c_str(), (existing & kept) | FILE_ATTRIBUTE_ARCHIVE)) {
        const int error = ErrnoFromSystemError(GetLastError());
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
    const bool replaced = existing != INVALID_FILE_ATTRIBUTES
        ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
        : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        const int error = ErrnoFromSystemError(GetLastError());
        DeleteFileW(temporary.c_str());
        temporary_.clear();
        InterruptCleanup::Forget();
        throw FileError(CannotWrite, name_, error);
    }
    temporary_.clear();
    InterruptCleanup::Forget();
}

}  // namespace velista::cli
