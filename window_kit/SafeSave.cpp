// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/SafeSave.h"

#include "files/FileErrorReason.h"
#include "files/SystemError.h"
#include "window_kit/CoreText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace velista {

namespace {

// The texts are the document saves' own, and keep their context in the catalogue.
QString Text(const char* russian) { return QCoreApplication::translate("velista::TextFile", russian); }

// Why a new file could not be made at path, given the system's error. Windows names a missing folder and
// a file in a folder's place alike ("path not found"), and its Qt may leave no error behind at all: the
// nearest part of the path that is there tells them apart, as POSIX does with ENOENT and ENOTDIR.
int CreationError(const QFileInfo& path, int error)
{
    if (error != ENOENT && error != 0)
        return error;
    QFileInfo part(path.absolutePath());
    if (part.isDir())
        return error;
    while (!part.exists()) {
        const QFileInfo up(part.absolutePath());
        if (up.absoluteFilePath() == part.absoluteFilePath())
            break;  // the root
        part = up;
    }
    return part.exists() && !part.isDir() ? ENOTDIR : ENOENT;
}

}  // namespace

QString SafeSave::Reason(int error) { return CoreText(FileErrorReasonContext, QString::fromStdString(FileErrorReason(error))); }

// A failure that left no error number behind is not given a made-up reason.
QString SafeSave::ReasonIfKnown(int error)
{
    return error != 0 ? Reason(error) : Text(QT_TRANSLATE_NOOP("velista::TextFile", "система не сообщила причину"));
}

QString SafeSave::NotRegular()
{
    return Text(QT_TRANSLATE_NOOP("velista::TextFile", "это не обычный файл, а устройство, канал или сокет"));
}

std::optional<QString> SafeSave::Problem(const QString& path, const QByteArray& bytes)
{
    Result saved = Write(path, bytes);
    if (saved.written)
        return std::nullopt;
    return std::move(saved.error);
}

SafeSave::Result SafeSave::Write(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {false, Reason(EISDIR), false};
    // Replacing a device or a FIFO with a regular file, or writing into one, is never what a save means.
    if (info.exists() && !info.isFile())
        return {false, NotRegular(), false};
    if (info.exists() && !info.isWritable())
        return {false, Text(QT_TRANSLATE_NOOP("velista::TextFile", "нет прав на запись в этот файл")), false};

    QSaveFile file(path);
    // A folder that takes no new file but holds a writable one: the file is written in place, as cp does.
    file.setDirectWriteFallback(true);
    ClearSystemError();
    // Unbuffered: every failed write is seen at once, not left for commit(), which in Qt 6.4 can report
    // success after its buffered write failed (seen with strace on a full disk).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = CreationError(info, LastSystemError());
        return {false, Text(QT_TRANSLATE_NOOP("velista::TextFile", "файл не удалось создать: ")) + ReasonIfKnown(error),
                false};
    }
    // QSaveFile tells no one that it fell back; it does so exactly when the folder refuses a new file.
    // The folder is the one of the file a link leads to, where QSaveFile writes.
    const bool inPlace = info.exists() && !QFileInfo(QFileInfo(info.canonicalFilePath()).absolutePath()).isWritable();
    const QString kept = !info.exists() ? QString()
                         : inPlace      ? Text(QT_TRANSLATE_NOOP("velista::TextFile", "; прежний файл записан не полностью"))
                                        : Text(QT_TRANSLATE_NOOP("velista::TextFile", "; прежний файл не изменён"));
    ClearSystemError();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = LastSystemError();  // read before cancelWriting(), which sets an error of its own
        file.cancelWriting();
        return {false, Text(QT_TRANSLATE_NOOP("velista::TextFile", "ошибка записи: ")) + ReasonIfKnown(error) + kept, false};
    }
    ClearSystemError();
    if (!file.commit()) {
        const int error = LastSystemError();
        return {false, Text(QT_TRANSLATE_NOOP("velista::TextFile", "ошибка записи: ")) + ReasonIfKnown(error) + kept, false};
    }
    return {true, {}, inPlace};
}

}  // namespace velista
