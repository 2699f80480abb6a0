// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Russian prose for measuring: words of the alphabet, punctuation, Ё now and then, lines of about 70 characters.

#include <cstddef>
#include <string>

namespace velista::bench {

// Windows-1251 bytes, exactly size long; with lineBreaks false the text is one single line.
std::string RussianText(std::size_t size, bool lineBreaks = true);

}  // namespace velista::bench
