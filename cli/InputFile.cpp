// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InputFile.h"

#include "cli/BatchError.h"
#include "cli/FileCalls.h"

#include <cerrno>

namespace velista::cli {

namespace {
const char* const CannotRead = "не удаётся прочитать";

// A regular file or a pipe; a folder is named as such.
void CheckKind(const file_calls::Look& look, const std::string& name)
{
    if (look.kind == file_calls::Kind::Folder)
        throw FileError(CannotRead, name, EISDIR);
    if (look.kind == file_calls::Kind::Other)
        throw FileRefusal(CannotRead, name, std::string("это не обычный файл и не канал, а ") + file_calls::OtherKinds);
}
}  // namespace

InputFile::InputFile(const std::string& name, Accept accept)
    : name_(name == "-" ? "стандартный ввод" : name)
{
    if (name != "-") {
        // Looked at before opening: opening a device may itself act (a tape rewinds, a modem dials).
        // A name the system cannot look at is left for opening to explain.
        if (accept == Accept::FileOrPipe) {
            if (const file_calls::Look look = file_calls::LookAt(name); look.error == 0)
                CheckKind(look, name_);
        }
        // Others may delete or replace the file meanwhile: "-o f f" replaces its own input.
        const file_calls::Opened opened = file_calls::OpenForReading(name);
        if (opened.error != 0)
            throw FileError(CannotRead, name_, opened.error);
        fd_ = opened.fd;
    }
    const file_calls::Look look = file_calls::LookAt(fd_);
    if (look.error == 0 && look.kind == file_calls::Kind::Regular)
        regularSize_ = look.size;
    // And again what was opened, which may have been put in the name's place meanwhile.
    if (accept == Accept::FileOrPipe) {
        try {
            if (look.error != 0)
                throw FileError(CannotRead, name_, look.error);
            CheckKind(look, name_);
        } catch (const BatchError&) {
            if (fd_ > 0)
                file_calls::Close(fd_);
            throw;
        }
    }
}

InputFile::~InputFile()
{
    if (fd_ > 0)
        file_calls::Close(fd_);
}

std::size_t InputFile::Read(std::string& buffer)
{
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const file_calls::Transfer got = file_calls::ReadSome(fd_, buffer.data() + filled, buffer.size() - filled);
        if (got.error != 0)
            throw FileError(CannotRead, name_, got.error);
        if (got.bytes == 0)
            break;
        filled += got.bytes;
    }
    return filled;
}

}  // namespace velista::cli
