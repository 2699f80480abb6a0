// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A save made to fail for real, in a folder of its own: "full disk" (an old file under the name, the save
// made under RLIMIT_FSIZE 0; not on Windows), "folder" (a folder takes the name) or "missing folder" (the
// name inside a folder that is not there). Afterwards the folder must hold the old file byte for byte and
// nothing beside it, or nothing at all.

#include "tests/support/FileSizeLimit.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace velista::test {

class SaveFault {
public:
    SaveFault(const QString& fault, const QString& name)
        : fault_(fault)
        , name_(name)
        , path_(dir_.filePath(name))
    {
        if (fault_ == "folder") {
            QDir(dir_.path()).mkdir(name_);
        } else if (fault_ == "missing folder") {
            path_ = dir_.filePath(QStringLiteral("нет/") + name_);
        } else {
            QFile old(path_);
            if (old.open(QIODevice::WriteOnly))
                old.write(Old());
        }
    }

    const QString& Path() const { return path_; }

    // The save's error, the save made under the fault.
    template <typename Save>
    std::optional<QString> Run(Save save) const
    {
#ifndef _WIN32
        std::optional<FileSizeLimit> limit;
        if (fault_ == "full disk")
            limit.emplace(0);
#endif
        return save(path_);
    }

    // Empty when the folder holds what it must; else what is wrong.
    QString Left() const
    {
        const QStringList files = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        if (fault_ != "full disk")
            return files.isEmpty() ? QString() : QStringLiteral("left: ") + files.join(QStringLiteral(", "));
        if (files != QStringList{name_})
            return QStringLiteral("beside the old file: ") + files.join(QStringLiteral(", "));
        QFile old(path_);
        if (!old.open(QIODevice::ReadOnly) || old.readAll() != Old())
            return QStringLiteral("the old file changed");
        return {};
    }

private:
    static QByteArray Old() { return QStringLiteral("старый файл").toUtf8(); }

    QTemporaryDir dir_;
    QString fault_, name_, path_;
};

}  // namespace velista::test
