// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a whole-text transform reports: how many characters passed unchanged and which slots turned.

#include <cstddef>

namespace velista {

struct TextResult {
    // Characters outside the alphabet, passed unchanged.
    std::size_t passed = 0;
    // Bit k - 1 is set when slot k turned.
    unsigned turned = 0;
};

}  // namespace velista
