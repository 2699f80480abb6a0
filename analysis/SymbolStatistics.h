// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How often each alphabet symbol occurs in a text, and the index of coincidence, with the reference values.

#include <array>
#include <cstdint>
#include <string_view>

namespace velista::analysis {

class SymbolStatistics {
public:
    static constexpr int Symbols = 135;
    // A text whose symbols are drawn uniformly at random: 1/135.
    static constexpr double RandomIndex = 1.0 / Symbols;
    // Russian running text over this alphabet (capitals and small letters apart, the space counted), measured with
    // velista_measure_index on the 98 collections of Debian's fortunes-ru 1.52-3.1 (/usr/share/games/fortunes/ru,
    // 1,893,273 alphabet symbols): 0.0525. A ciphertext of the machine comes close to RandomIndex.
    static constexpr double RussianIndex = 0.0525;

    // Counts the symbols of the text; characters outside the alphabet count only towards Length.
    explicit SymbolStatistics(std::u16string_view text);
    SymbolStatistics() = default;

    // Adds a further piece of text, as if it followed the text counted so far.
    void Add(std::u16string_view text);

    // Count of symbol i, in the order of the machine's alphabet (rotor 0's entry row).
    std::uint64_t Count(int symbol) const;
    std::uint64_t Count(char16_t symbol) const;
    // Every character counted, inside the alphabet or not.
    std::uint64_t Length() const { return length_; }
    std::uint64_t SymbolCount() const { return symbols_; }

    // The chance that two symbols drawn from different places of the text are equal:
    // sum of n(n - 1) over symbols / (S(S - 1)), S the number of alphabet symbols; 0 below two symbols.
    double IndexOfCoincidence() const;

private:
    std::array<std::uint64_t, Symbols> counts_{};
    std::uint64_t length_ = 0;
    std::uint64_t symbols_ = 0;
};

}  // namespace velista::analysis
