// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 as the terminal types it: strict decoding, the composition the key needs, and safe echoing.

#include <optional>
#include <string>
#include <string_view>

namespace velista::cli {

// The code points of the bytes; nothing when the bytes are not well-formed UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view bytes);

// Composes the canonical pairs whose composed form a key may hold, as NFC would. Only Й and й
// (И, и + U+0306) are alphabet symbols with a canonical decomposition, so composing them is all the
// key needs; Ё and ё (Е, е + U+0308) are composed as well, so that they are counted as one character
// and refused by name. A full NFC needs a library with the Unicode tables (ICU), too heavy for this.
std::u32string ComposeCanonical(const std::u32string& text);

// The bytes with control characters and invalid UTF-8 written as escapes (\n, \t, \x1B, \u009B,
// \xFF), so that echoing a user's value cannot move the cursor or change the terminal.
std::string EscapeForTerminal(std::string_view bytes);

// A user's value in a message: «value», escaped as above.
std::string Quoted(std::string_view value);

// UTF-8 of the machine's text: every alphabet symbol, and any Windows-1251 character, is in the Basic
// Multilingual Plane and is not a surrogate.
std::string EncodeUtf8(std::u16string_view text);

}  // namespace velista::cli
