// SPDX-License-Identifier: GPL-3.0-or-later
// The input on Windows: the name is UTF-8 and opened as UTF-16, and the file is read in binary mode,
// so that a Ctrl+Z (0x1A) byte is a byte like any other rather than the end of the text.
#include "cli/InputFile.h"

#include "cli/BatchError.h"
#include "cli/WindowsText.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace velista::cli {

namespace {
const char* const CannotRead = "не удаётся прочитать";

// A file on a disk or a pipe; a console, NUL or a serial port is a character device.
void CheckKind(int fd, const std::string& name)
{
    const DWORD type = GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd)));
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE)
        throw FileRefusal(CannotRead, name, "это не обычный файл и не канал, а устройство");
}
}  // namespace

InputFile::InputFile(const std::string& name, Accept accept)
    : name_(name == "-" ? "стандартный ввод" : name)
{
    if (name == "-") {
        // StandardStreams has put it in binary mode
        if (accept == Accept::FileOrPipe)
            CheckKind(fd_, name_);
        return;
    }
    // Others may delete or replace the file meanwhile: "-o f f" replaces its own input.
    const HANDLE file = CreateFileW(WideFromUtf8(name).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw FileError(CannotRead, name_, ErrnoFromSystemError(GetLastError()));
    fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd_ < 0) {
        CloseHandle(file);
        throw FileError(CannotRead, name_, EMFILE);
    }
    LARGE_INTEGER size{};
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size))
        regularSize_ = static_cast<std::uint64_t>(size.QuadPart);
    if (accept == Accept::FileOrPipe) {
        try {
            CheckKind(fd_, name_);
        } catch (const BatchError&) {
            _close(fd_);
            throw;
        }
    }
}

InputFile::~InputFile()
{
    if (fd_ > 0)
        _close(fd_);
}

std::size_t InputFile::Read(std::string& buffer)
{
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const auto wanted = static_cast<unsigned>(std::min<std::size_t>(buffer.size() - filled, INT_MAX));
        const int got = _read(fd_, buffer.data() + filled, wanted);
        if (got < 0)
            throw FileError(CannotRead, name_, errno);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

}  // namespace velista::cli
