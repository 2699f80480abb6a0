#include "ApplicationEventLoop.h"

#include <QCoreApplication>

namespace velista {

void ApplicationEventLoop::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace velista
