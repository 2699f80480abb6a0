// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event loop that long machine work yields to, so that the window stays responsive.

namespace velista {

class EventLoop {
public:
    virtual ~EventLoop() = default;

    // Lets the pending user-interface events be handled once.
    virtual void Yield() = 0;

    // True once the program is ending: work that yields then stops where it stands.
    virtual bool Stopping() const { return false; }
};

}  // namespace velista
