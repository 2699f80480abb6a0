// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the tool's attack: the file of the known fragment, its position if known, and the ciphertext's file.

#include <cstddef>
#include <optional>
#include <string>

namespace velista::cli {

struct AttackJob {
    std::string known;                // the fragment of plain text; "-" for standard input
    std::optional<std::size_t> at;    // its position, counted from 0 in the text with CR LF line breaks
    std::string input = "-";          // the ciphertext; "-" for standard input
};

}  // namespace velista::cli
