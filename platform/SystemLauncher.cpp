// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemLauncher.h"

#include <QFileInfo>
#include <QProcess>

namespace velista {

bool SystemLauncher::FileExists(const QString& path) const
{
    const QFileInfo file(path);
    return file.isFile() && !file.isHidden();
}

bool SystemLauncher::Start(const QString& path)
{
    return QProcess::startDetached(path, {});
}

}  // namespace velista
