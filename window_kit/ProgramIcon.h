// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon, which every window of the program carries.

#include <QIcon>

namespace velista {

QIcon ProgramIcon();

}  // namespace velista
