// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationEventLoop.h"

#include <QCoreApplication>

namespace velista {

void ApplicationEventLoop::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace velista
