// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/SafeSave.h"

#include "files/FileErrorReason.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace velista {

namespace {

// A failure that left no error number behind is not given a made-up reason.
QString ReasonIfKnown(int error)
{
    return error != 0 ? QString::fromStdString(FileErrorReason(error)) : QStringLiteral("система не сообщила причину");
}

}  // namespace

SafeSave::Result SafeSave::Write(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {false, QString::fromStdString(FileErrorReason(EISDIR)), false};
    // Replacing a device or a FIFO with a regular file, or writing into one, is never what a save means.
    if (info.exists() && !info.isFile())
        return {false, QStringLiteral("это не обычный файл, а устройство, канал или сокет"), false};
    if (info.exists() && !info.isWritable())
        return {false, QStringLiteral("нет прав на запись в этот файл"), false};

    QSaveFile file(path);
    // A folder that takes no new file but holds a writable one: the file is written in place, as cp does.
    file.setDirectWriteFallback(true);
    errno = 0;
    // Unbuffered: every failed write is seen at once, not left for commit(), which in Qt 6.4 can report
    // success after its buffered write failed (seen with strace on a full disk).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        return {false, QStringLiteral("файл не удалось создать: ") + ReasonIfKnown(error), false};
    }
    // QSaveFile tells no one that it fell back; it does so exactly when the folder refuses a new file.
    // The folder is the one of the file a link leads to, where QSaveFile writes.
    const bool inPlace = info.exists() && !QFileInfo(QFileInfo(info.canonicalFilePath()).absolutePath()).isWritable();
    const QString kept = !info.exists() ? QString()
                         : inPlace      ? QStringLiteral("; прежний файл записан не полностью")
                                        : QStringLiteral("; прежний файл не изменён");
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;  // read before cancelWriting(), which sets an error of its own
        file.cancelWriting();
        return {false, QStringLiteral("ошибка записи: ") + ReasonIfKnown(error) + kept, false};
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return {false, QStringLiteral("ошибка записи: ") + ReasonIfKnown(error) + kept, false};
    }
    return {true, {}, inPlace};
}

}  // namespace velista
