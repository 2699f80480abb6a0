// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quick test of a fragment position: characters outside the alphabet in place, and a slot-1 rotor under which
// equal slot-1 exit positions meet equal ciphertext symbols and different ones different symbols.
//
// Within an aligned stretch of 135 positions only slot 1 turns, so slots 2 to 5 are one fixed permutation from
// slot 1's exit position to the ciphertext symbol. Slot 1's exit position at text position i is the plain symbol's
// exit-row position plus i mod 135 plus a constant of the key, so which fragment positions share an exit position
// depends on the slot-1 rotor alone, not on the key. Each thread needs its own filter: it keeps scratch marks.
//
// The filter's cost is linear in the ciphertext whatever the fragment's length. Positions are found by the
// Knuth-Morris-Pratt search over both texts with every alphabet symbol made one mark and each other character
// kept; the slot-1 test reads at most the fragment's first PrefixSymbols symbols, and the search that follows
// checks every symbol anyway. Checking the whole fragment at every position took 26 s for 10,000 symbols in
// 2 MiB of text.

#include "analysis/RotorTables.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace velista::analysis {

class FragmentFilter {
public:
    FragmentFilter(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment);

    // Two stretches of 135: past this a symbol seldom rejects a position that the ones before it let through.
    static constexpr std::size_t PrefixSymbols = 270;

    // The fragment lies inside the ciphertext at this text position, its characters outside the alphabet
    // stand there unchanged and its symbols meet symbols.
    bool PatternFits(std::size_t position) const;
    // Appends every position from from to to - 1 where the pattern fits, in ascending order; reads
    // to - from + the fragment's length - 1 characters of the ciphertext once each.
    void FittingPositions(std::size_t from, std::size_t to, std::vector<std::size_t>& positions) const;
    // Bit r is set when rotor r in slot 1 fits the fragment's first PrefixSymbols symbols at this text position,
    // where the pattern fits.
    unsigned RotorsFitting(std::size_t position);

    // Fragment positions that hold alphabet symbols.
    const std::vector<std::size_t>& SymbolPositions() const { return symbols_; }

private:
    bool SameGrouping(std::size_t position, int rotor);
    // 0 for an alphabet symbol, the character + 1 for any other.
    std::uint32_t Mark(char16_t c) const;

    struct Slot {
        std::uint32_t stamp = 0;
        std::uint32_t at = 0;
    };

    const RotorTables& tables_;
    std::u16string_view ciphertext_;
    std::u16string_view fragment_;
    std::vector<std::size_t> symbols_, outside_;
    // The fragment's marks, and for each length of its start the longest start that also ends it.
    std::vector<std::uint32_t> marks_, border_;
    // For each rotor, up to QuickPairs pairs of fragment places less than a stretch apart whose slot-1 exit
    // positions are equal wherever both lie in one stretch: their ciphertext symbols must then be equal too.
    // Looked at before the whole grouping, they reject nearly every wrong position in a few steps (2 MiB of
    // alphabet-only text: 2.1 s of CPU for the grouping alone).
    static constexpr std::size_t QuickPairs = 4;
    std::vector<std::vector<std::pair<std::size_t, std::size_t>>> pairs_;
    // exitPositions_[r][s]: rotor r's exit-row position of the fragment's s-th alphabet symbol, s < PrefixSymbols.
    std::vector<std::vector<std::uint8_t>> exitPositions_;
    std::vector<Slot> exitMarks_, cipherMarks_;
    std::uint32_t stamp_ = 0;
};

}  // namespace velista::analysis
