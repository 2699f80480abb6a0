// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's event loop: the one place the program yields to let the pending events run.

#include "installation/EventLoop.h"

namespace velista {

class ApplicationEventLoop final : public EventLoop {
public:
    // Lets the pending user-interface events be handled once; the window yields through it too.
    static void ProcessPendingEvents();

    void Yield() override { ProcessPendingEvents(); }
};

}  // namespace velista
