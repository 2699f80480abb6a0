#pragma once
// The event loop of the application, for the machine work done before the main window exists.

#include "EventLoop.h"

namespace velista {

class ApplicationEventLoop final : public EventLoop {
public:
    void Yield() override;
};

}  // namespace velista
