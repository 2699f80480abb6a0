#include "ApplicationEventLoop.h"

#include <QCoreApplication>

namespace velista {

void ApplicationEventLoop::Yield() { QCoreApplication::processEvents(); }

}  // namespace velista
