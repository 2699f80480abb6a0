// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/SymbolStatistics.h"

#include "machine/Alphabet.h"
#include "machine/Checked.h"

#include <algorithm>

namespace velista::analysis {

namespace {

constexpr std::uint8_t Outside = 255;

// Character -> index in the alphabet's order, or Outside.
const std::array<std::uint8_t, 65536>& IndexTable()
{
    static const std::array<std::uint8_t, 65536> table = [] {
        std::array<std::uint8_t, 65536> t{};
        t.fill(Outside);
        const std::u16string_view text = Alphabet::Machine().Text();
        for (std::size_t i = 0; i < text.size(); ++i)
            t[text[i]] = static_cast<std::uint8_t>(i);
        return t;
    }();
    return table;
}

}  // namespace

SymbolStatistics::SymbolStatistics(std::u16string_view text)
{
    Add(text);
}

void SymbolStatistics::Add(std::u16string_view text)
{
    const auto& index = IndexTable();
    // Four sets of counters, summed at the end: one set would make every repeated symbol wait for the
    // store of the one before.
    std::array<std::array<std::uint32_t, 256>, 4> partial{};
    constexpr std::size_t Flush = std::size_t{1} << 30;  // well below 2^32 counts in any one counter
    for (std::size_t start = 0; start < text.size(); start += Flush) {
        const std::size_t end = std::min(text.size(), start + Flush);
        std::size_t i = start;
        for (; i + 4 <= end; i += 4) {
            ++partial[0][index[text[i]]];
            ++partial[1][index[text[i + 1]]];
            ++partial[2][index[text[i + 2]]];
            ++partial[3][index[text[i + 3]]];
        }
        for (; i < end; ++i)
            ++partial[0][index[text[i]]];
        for (auto& set : partial) {
            for (std::size_t s = 0; s < Symbols; ++s) {
                counts_[s] += set[s];
                symbols_ += set[s];
            }
            set.fill(0);
        }
    }
    length_ += text.size();
}

std::uint64_t SymbolStatistics::Count(int symbol) const
{
    CheckIndex(symbol, 0, Symbols - 1);
    return counts_[static_cast<std::size_t>(symbol)];
}

std::uint64_t SymbolStatistics::Count(char16_t symbol) const
{
    const std::uint8_t i = IndexTable()[symbol];
    return i == Outside ? 0 : counts_[i];
}

double SymbolStatistics::IndexOfCoincidence() const
{
    if (symbols_ < 2)
        return 0;
    double pairs = 0;
    for (std::uint64_t n : counts_)
        pairs += static_cast<double>(n) * static_cast<double>(n - (n > 0));
    return pairs / (static_cast<double>(symbols_) * static_cast<double>(symbols_ - 1));
}

}  // namespace velista::analysis
