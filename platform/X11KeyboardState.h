// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard as the X server reports it: the lock indicators and the active XKB layout group.

#include "platform/KeyboardState.h"

#include <string_view>

namespace velista {

class X11KeyboardState final : public KeyboardState {
public:
    bool CapsLock() const override;
    bool NumLock() const override;
    std::string LayoutIdentifier() const override;

    // The Windows identifier of an XKB layout with its variant ("ru" and "" give "00000419").
    static std::string IdentifierOf(std::string_view layout, std::string_view variant);
};

}  // namespace velista
