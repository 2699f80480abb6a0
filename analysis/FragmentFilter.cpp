// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/FragmentFilter.h"

#include "machine/Checked.h"

#include <algorithm>

namespace velista::analysis {

FragmentFilter::FragmentFilter(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment)
    : tables_(tables)
    , ciphertext_(ciphertext)
    , fragment_(fragment)
    , exitPositions_(RotorCount)
    , exitMarks_(RotorTables::N)
    , cipherMarks_(RotorTables::N)
{
    for (std::size_t j = 0; j < fragment.size(); ++j) {
        if (tables.EntryPosition(0, fragment[j]) == RotorTables::Outside)
            outside_.push_back(j);
        else
            symbols_.push_back(j);
    }
    const std::size_t prefix = std::min(symbols_.size(), PrefixSymbols);
    pairs_.resize(RotorCount);
    for (int r = 0; r < RotorCount; ++r) {
        auto& positions = exitPositions_[static_cast<std::size_t>(r)];
        auto& pairs = pairs_[static_cast<std::size_t>(r)];
        std::vector<std::size_t> lastAt(RotorTables::N, ~std::size_t{0});
        for (std::size_t s = 0; s < prefix; ++s) {
            const std::size_t j = symbols_[s];
            positions.push_back(tables.ExitPosition(r, fragment[j]));
            // Within a stretch the exit position is the exit-row position plus the text position, modulo 135.
            const std::size_t w = (positions.back() + j) % RotorTables::N;
            if (lastAt[w] != ~std::size_t{0} && j - lastAt[w] < RotorTables::N && pairs.size() < QuickPairs)
                pairs.emplace_back(lastAt[w], j);
            lastAt[w] = j;
        }
    }
    for (const char16_t c : fragment)
        marks_.push_back(Mark(c));
    border_.assign(marks_.size(), 0);
    for (std::size_t i = 1, k = 0; i < marks_.size(); ++i) {
        while (k > 0 && marks_[i] != marks_[k])
            k = border_[k - 1];
        if (marks_[i] == marks_[k])
            ++k;
        border_[i] = static_cast<std::uint32_t>(k);
    }
}

std::uint32_t FragmentFilter::Mark(char16_t c) const
{
    return tables_.EntryPosition(0, c) == RotorTables::Outside ? std::uint32_t{c} + 1 : 0;
}

void FragmentFilter::FittingPositions(std::size_t from, std::size_t to, std::vector<std::size_t>& positions) const
{
    const std::size_t length = marks_.size();
    if (ciphertext_.size() < length || from >= to)
        return;
    if (length == 0) {
        for (std::size_t p = from; p < to && p <= ciphertext_.size(); ++p)
            positions.push_back(p);
        return;
    }
    const std::size_t end = std::min(ciphertext_.size(), to + length - 1);
    std::size_t k = 0;
    for (std::size_t i = from; i < end; ++i) {
        const std::uint32_t mark = Mark(ciphertext_[i]);
        while (k > 0 && marks_[k] != mark)
            k = border_[k - 1];
        if (marks_[k] == mark)
            ++k;
        if (k == length) {
            positions.push_back(i + 1 - length);
            k = border_[k - 1];
        }
    }
}

bool FragmentFilter::PatternFits(std::size_t position) const
{
    if (position > ciphertext_.size() || ciphertext_.size() - position < fragment_.size())
        return false;
    for (std::size_t j : outside_) {
        if (ciphertext_[position + j] != fragment_[j])
            return false;
    }
    for (std::size_t j : symbols_) {
        if (tables_.EntryPosition(0, ciphertext_[position + j]) == RotorTables::Outside)
            return false;
    }
    return true;
}

unsigned FragmentFilter::RotorsFitting(std::size_t position)
{
    if (position > ciphertext_.size() || ciphertext_.size() - position < fragment_.size())
        ProgrammingError("slot-1 rotors tested where the fragment does not fit");
    constexpr std::size_t N = RotorTables::N;
    unsigned fitting = 0;
    for (int r = 0; r < RotorCount; ++r) {
        const bool quick = std::all_of(pairs_[static_cast<std::size_t>(r)].begin(),
                                       pairs_[static_cast<std::size_t>(r)].end(), [&](const auto& pair) {
            const std::size_t a = position + pair.first, b = position + pair.second;
            return a / N != b / N || ciphertext_[a] == ciphertext_[b];
        });
        if (quick && SameGrouping(position, r))
            fitting |= 1u << r;
    }
    return fitting;
}

bool FragmentFilter::SameGrouping(std::size_t position, int rotor)
{
    constexpr std::size_t N = RotorTables::N;
    const std::vector<std::uint8_t>& exits = exitPositions_[static_cast<std::size_t>(rotor)];
    auto nextStamp = [this] {
        if (++stamp_ == 0) {
            std::fill(exitMarks_.begin(), exitMarks_.end(), Slot{});
            std::fill(cipherMarks_.begin(), cipherMarks_.end(), Slot{});
            stamp_ = 1;
        }
    };
    nextStamp();
    std::size_t stretch = symbols_.empty() ? 0 : (position + symbols_[0]) / N;
    for (std::size_t s = 0; s < exits.size(); ++s) {
        const std::size_t i = position + symbols_[s];
        if (i / N != stretch) {
            stretch = i / N;
            nextStamp();
        }
        Slot& exit = exitMarks_[(exits[s] + i % N) % N];
        Slot& cipher = cipherMarks_[tables_.EntryPosition(0, ciphertext_[i])];
        const bool exitSeen = exit.stamp == stamp_;
        const bool cipherSeen = cipher.stamp == stamp_;
        if (exitSeen != cipherSeen || (exitSeen && exit.at != cipher.at))
            return false;
        exit = cipher = Slot{stamp_, static_cast<std::uint32_t>(s)};
    }
    return true;
}

}  // namespace velista::analysis
