#include "ProgramIcon.h"

namespace velista {

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/velista-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/pictures/velista-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace velista
