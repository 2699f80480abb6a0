#include "SystemLauncher.h"

#include <QFileInfo>
#include <QProcess>

namespace velista {

bool SystemLauncher::FileExists(const std::string& path) const
{
    const QFileInfo file(QString::fromLocal8Bit(path));
    return file.exists() && file.isFile();
}

bool SystemLauncher::Start(const std::string& path)
{
    return QProcess::startDetached(QString::fromLocal8Bit(path), {});
}

}  // namespace velista
