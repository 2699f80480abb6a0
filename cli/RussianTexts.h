// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Russian texts that reach the tool already made, from the core libraries (a rotor choice's or a key's
// problem, the attack's refusals, a file error's reason) and from the tool's file layer, listed for the catalogue.

#include <span>

namespace velista::cli {

struct RussianText {
    const char* source;    // the whole text, or a pattern: %1 … %9 for any text, %n for a count
    bool counted = false;  // a pattern with %n, whose Russian plural forms are in the catalogue
};

std::span<const RussianText> RussianTexts();

}  // namespace velista::cli
