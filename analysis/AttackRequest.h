// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What is asked of the attack, checked before any search: the fragment with its line breaks as the machine's
// texts hold them, its position if known, the ciphertext's length; and the one Russian text for each refusal,
// shared by the window and the tool.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velista::analysis {

enum class AttackProblem { None, NoAlphabetSymbol, FragmentTooShort, FragmentTooLong, CiphertextTooLong, PastTheEnd };

struct AttackRequest {
    // A fragment of plain text needs no more; a longer one only costs time and memory.
    static constexpr std::size_t MaxFragment = std::size_t{64} << 10;
    // Characters of ciphertext: two bytes each in memory, 512 MiB at this limit.
    static constexpr std::size_t MaxCiphertext = std::size_t{256} << 20;
    // Settings the tool prints and the attack keeps: a fragment expected to fit more by chance is refused.
    static constexpr double Listed = 1000;

    std::u16string fragment;              // normalised: every line break as CR LF
    std::optional<std::size_t> position;  // counted from 0, or none for "every position"
    std::size_t ciphertextLength = 0;

    // The first problem that can be told before searching, in this order: no alphabet symbol, the fragment's
    // and the ciphertext's limits, past the end, too short.
    AttackProblem Check() const;
    // The fragment's symbols of the machine's alphabet.
    std::size_t AlphabetSymbols() const;
    // The number of alphabet symbols from which the fragment is worth searching at this position (or at any).
    std::size_t ShortestUseful() const;
    // The positions that the search would try: 1 at a known position.
    std::size_t Positions() const;
};

// Every line break of a typed or read fragment (LF, CR LF, a lone CR) as CR LF.
std::u16string NormaliseFragment(std::u16string_view typed);

// The Russian text for a problem, UTF-8, without a program's name before it; empty for None.
std::string AttackProblemText(const AttackRequest& request, AttackProblem problem);

}  // namespace velista::analysis
