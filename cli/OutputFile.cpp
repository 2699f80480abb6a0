// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OutputFile.h"

#include "cli/BatchError.h"
#include "cli/FileCalls.h"
#include "cli/InterruptCleanup.h"
#include "cli/Utf8.h"

#include <cerrno>

namespace velista::cli {

namespace {

const char* const CannotWrite = "не удаётся записать";

BatchError Refusal(const std::string& name, const std::string& why)
{
    return FileRefusal(CannotWrite, name, why);
}

}  // namespace

OutputFile::OutputFile(std::string name)
    : name_(std::move(name))
{
    if (name_ == "-")
        return;
    if (name_.empty())
        throw Refusal(name_, "пустое имя файла");
    if (file_calls::IsSeparator(name_.back()))
        throw Refusal(name_, "имя с «" + name_.substr(name_.size() - 1) + "» на конце - это папка, а нужен файл");
    const file_calls::Output output = file_calls::LookAtOutput(name_);
    if (output.error != 0)
        throw FileError(CannotWrite, name_, output.error);
    switch (output.way) {
    case file_calls::Output::Way::Folder:
        throw FileError(CannotWrite, name_, EISDIR);
    case file_calls::Output::Way::LinkToNothing:
        // As cp does, a link is written through; but not a link to nothing, since a file made where it
        // points may be somewhere the user never meant.
        throw Refusal(name_, "это ссылка на несуществующий файл");
    case file_calls::Output::Way::Direct:
        // Replacing a device or a pipe by a file would be wrong; and replacing the file behind the tool's
        // own standard output would drop what a shell appended there.
        fd_ = output.fd;
        direct_ = true;
        return;
    case file_calls::Output::Way::Create:
        target_ = output.path;
        MakeTemporary(nullptr);
        return;
    case file_calls::Output::Way::Replace:
        target_ = output.path;
        MakeTemporary(&output);
        return;
    }
}

void OutputFile::MakeTemporary(const file_calls::Output* replaced)
{
    const std::string folder = file_calls::Folder(target_);
    const file_calls::Look look = file_calls::LookAt(folder);
    if (look.error != 0)
        throw FileError(CannotWrite, name_, look.error);
    if (look.kind == file_calls::Kind::Missing)
        throw Refusal(name_, "нет папки " + Quoted(folder));
    if (look.kind != file_calls::Kind::Folder)
        throw Refusal(name_, Quoted(folder) + " - не папка");

    file_calls::Temporary temporary;
    {
        InterruptCleanup::Hold hold;
        temporary = file_calls::CreateTemporary(folder);
        if (temporary.error == 0) {
            fd_ = temporary.fd;
            temporary_ = temporary.path;
            InterruptCleanup::Watch(temporary_);
        }
    }
    if (temporary.error == EACCES || temporary.error == EPERM)
        throw Refusal(name_, "нет права создавать файлы в папке " + Quoted(folder)
                                 + " (результат пишется сначала во временный файл рядом)");
    if (temporary.error != 0)
        throw FileError(CannotWrite, name_, temporary.error);
    if (const int error = file_calls::Inherit(fd_, replaced); error != 0) {
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
}

void OutputFile::Discard()
{
    InterruptCleanup::Hold hold;
    if (fd_ >= 0)
        file_calls::Close(fd_);
    fd_ = -1;
    file_calls::Remove(temporary_);
    temporary_.clear();
    InterruptCleanup::Forget();
}

OutputFile::~OutputFile()
{
    if (direct_)
        file_calls::Close(fd_);
    if (!temporary_.empty())
        Discard();
}

void OutputFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const file_calls::Transfer written = file_calls::WriteSome(fd_, bytes);
        if (written.error != 0)
            throw FileError(CannotWrite, name_ == "-" ? "стандартный вывод" : name_, written.error);
        bytes.remove_prefix(written.bytes);
    }
}

void OutputFile::Commit()
{
    if (direct_) {
        direct_ = false;
        if (const int error = file_calls::Close(fd_); error != 0)
            throw FileError(CannotWrite, name_, error);
        return;
    }
    if (temporary_.empty())
        return;
    // The data reaches the disk before the name does, so that a crash cannot leave an empty file.
    if (const int error = file_calls::SyncData(fd_); error != 0) {
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
    const int fd = fd_;
    fd_ = -1;
    if (const int error = file_calls::Close(fd); error != 0) {
        Discard();
        throw FileError(CannotWrite, name_, error);
    }
    {
        InterruptCleanup::Hold hold;
        const int error = file_calls::Replace(temporary_, target_);
        if (error != 0)
            file_calls::Remove(temporary_);
        temporary_.clear();
        InterruptCleanup::Forget();
        if (error != 0)
            throw FileError(CannotWrite, name_, error);
    }
    // And the folder's new entry, so that the replacement itself survives a crash.
    if (const int error = file_calls::SyncFolder(file_calls::Folder(target_)); error != 0)
        throw FileError(CannotWrite, name_, error);
}

}  // namespace velista::cli
