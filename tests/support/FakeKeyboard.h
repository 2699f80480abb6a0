// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A keyboard whose lock keys and layout the test sets.

#include "platform/KeyboardState.h"

#include <string>

namespace velista::test {

struct FakeKeyboard final : KeyboardState {
    bool CapsLock() const override { return caps; }
    bool NumLock() const override { return num; }
    std::string LayoutIdentifier() const override { return layout; }

    bool caps = false;
    bool num = false;
    std::string layout = "00000409";
};

}  // namespace velista::test
