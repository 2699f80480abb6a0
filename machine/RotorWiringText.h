// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twenty stored wiring texts: text r is rotor r's entry row, text r + 10 its exit row.

#include "machine/IndexedArray.h"

#include <string>
#include <string_view>

namespace velista {

class RotorWiringText {
public:
    static constexpr int TextCount = 20;

    // The wiring as the program ships it; text 0 stands for the whole alphabet.
    static std::u16string_view Literal(int index);

    // Stores the twenty texts.
    RotorWiringText();

    const std::u16string& operator()(int index) const;

private:
    IndexedArray<std::u16string, 0, TextCount - 1> texts_;
};

}  // namespace velista
