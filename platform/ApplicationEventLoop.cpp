// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationEventLoop.h"

#include <QCoreApplication>

namespace velista {

void ApplicationEventLoop::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace velista
