// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/TextFile.h"

#include "files/SystemError.h"
#include "machine/Windows1251.h"
#include "window_kit/SafeSave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velista {

namespace {

QString TooLarge()
{
    return QCoreApplication::translate("velista::TextFile", "файл больше %1 МиБ — слишком велик для текстового поля").arg(TextFile::MaximumBytes >> 20);
}

// Opens a regular file for reading without ever waiting: a FIFO put in its place after the check would
// otherwise block the window in open() until a writer came.
std::optional<QString> OpenRegular(const QString& path, QFile& file)
{
#ifdef _WIN32
    // Windows has no FIFOs in the file system, and its devices are not files, which Read has refused.
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("velista::TextFile", "файл не удалось открыть");
    return std::nullopt;
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return SafeSave::Reason(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return SafeSave::NotRegular();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QCoreApplication::translate("velista::TextFile", "файл не удалось открыть");
    }
    return std::nullopt;
#endif
}

// At most MaximumBytes + 1 bytes, whatever size the file claims or grows to while it is read.
std::optional<QByteArray> ReadAtMostLimit(QFile& file, qint64 expected, int* error)
{
    QByteArray bytes(std::min(expected, TextFile::MaximumBytes) + 1, Qt::Uninitialized);
    qint64 used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > TextFile::MaximumBytes)
                break;
            bytes.resize(std::min(used * 2, TextFile::MaximumBytes + 1));
        }
        ClearSystemError();
        const qint64 n = file.read(bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            *error = LastSystemError();
            return std::nullopt;
        }
        if (n == 0)
            break;
        used += n;
    }
    bytes.truncate(used);
    return bytes;
}

}  // namespace

TextFile::Reading TextFile::Read(const QString& path)
{
    // The checks come before the file is opened: opening a FIFO waits for a writer, and a device has no end.
    const QFileInfo info(path);
    if (!info.exists())
        return {std::nullopt, info.isSymLink() ? QCoreApplication::translate("velista::TextFile", "ссылка ведёт в никуда") : SafeSave::Reason(ENOENT)};
    if (info.isDir())
        return {std::nullopt, SafeSave::Reason(EISDIR)};
    if (!info.isFile())
        return {std::nullopt, SafeSave::NotRegular()};
    if (info.size() > MaximumBytes)
        return {std::nullopt, TooLarge()};
    QFile file;
    if (const std::optional<QString> refused = OpenRegular(path, file))
        return {std::nullopt, *refused};
    int error = 0;
    const std::optional<QByteArray> bytes = ReadAtMostLimit(file, info.size(), &error);
    if (!bytes)
        return {std::nullopt, QCoreApplication::translate("velista::TextFile", "ошибка чтения: ") + SafeSave::ReasonIfKnown(error)};
    if (bytes->size() > MaximumBytes)
        return {std::nullopt, TooLarge()};
    // Text files never hold the zero byte; a file that does is a program, a picture or an archive.
    if (bytes->contains('\0'))
        return {std::nullopt, QCoreApplication::translate("velista::TextFile", "это не текстовый файл")};
    QString text(bytes->size(), Qt::Uninitialized);
    Windows1251::Decode(std::string_view(bytes->constData(), std::size_t(bytes->size())),
                        std::span<char16_t>(reinterpret_cast<char16_t*>(text.data()), std::size_t(text.size())));
    return {std::move(text), {}};
}

TextFile::Writing TextFile::Write(const QString& path, const QString& text)
{
    // A character outside the Basic Multilingual Plane fills two positions of the window and of a run,
    // so it becomes two '?': the file then deciphers position for position.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const std::size_t replaced = Windows1251::Encode(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.constData()), std::size_t(text.size())),
        std::span<char>(bytes.data(), std::size_t(bytes.size())));

    const SafeSave::Result saved = SafeSave::Write(path, bytes);
    return {saved.written, saved.error, saved.written ? replaced : 0, saved.inPlace};
}

}  // namespace velista
