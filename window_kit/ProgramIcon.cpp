// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/ProgramIcon.h"

namespace velista {

QIcon ProgramIcon()
{
    // Every size that is drawn: the title bar takes 16 or 32, the task switcher and the desktop the larger.
    QIcon icon;
    for (const int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/pictures/velista-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace velista
