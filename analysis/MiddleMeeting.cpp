// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/MiddleMeeting.h"

#include "machine/Checked.h"

#include <algorithm>

namespace velista::analysis {

namespace {

constexpr int N = RotorTables::N;

// v must lie in [0, 4N).
inline int Mod(int v)
{
    return v % N;
}

// The k-th odometer digit (k from 1) of text position i.
int Digit(std::size_t i, int k)
{
    for (int n = 1; n < k; ++n)
        i /= static_cast<std::size_t>(N);
    return static_cast<int>(i % static_cast<std::size_t>(N));
}

}  // namespace

MiddleMeeting::Place MiddleMeeting::PlaceAt(std::size_t j) const
{
    const std::size_t i = position_ + j;
    Place place{fragment_[j], ciphertext_[i], i / static_cast<std::size_t>(N), {}};
    for (int k = 1; k <= 4; ++k)
        place.offset[k - 1] = static_cast<std::uint8_t>(Mod(Digit(i, k) - Digit(i, k + 1) + N));
    return place;
}

MiddleMeeting::MiddleMeeting(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                             std::size_t position, bool backwardTable)
    : tables_(tables)
    , ciphertext_(ciphertext)
    , fragment_(fragment)
    , position_(position)
{
    if (position > ciphertext.size() || ciphertext.size() - position < fragment.size())
        ProgrammingError("fragment placed outside the ciphertext");
    for (std::size_t j = 0; j < fragment.size() && places_.size() < PlacesKept; ++j) {
        rest_ = j + 1;
        if (tables.EntryPosition(0, fragment[j]) == RotorTables::Outside)
            continue;
        const Place place = PlaceAt(j);
        // Places in one stretch with one ciphertext symbol share their slot-4 entry; such a place tells nothing new.
        const bool repeats = std::any_of(chosen_.begin(), chosen_.end(), [&](std::size_t c) {
            return places_[c].cipher == place.cipher && places_[c].stretch == place.stretch;
        });
        if (!repeats && chosen_.size() < MaxChosen)
            chosen_.push_back(places_.size());
        places_.push_back(place);
    }
    if (places_.empty())
        ProgrammingError("a fragment without alphabet symbols cannot be searched");
    if (!backwardTable)
        return;
    halves_ = std::make_unique<HalfTable>(RotorCount * RotorCount * N);
    for (int r4 = 0; r4 < RotorCount; ++r4) {
        const auto& m4Inverse = tables.ExitToEntry(r4);
        for (int r5 = 0; r5 < RotorCount; ++r5) {
            for (int d4 = 0; d4 < N; ++d4) {
                std::uint64_t key = 0;
                int first = 0;
                for (std::size_t c = 0; c < chosen_.size(); ++c) {
                    const Place& place = places_[chosen_[c]];
                    const int q5 = tables.EntryPosition(r5, place.cipher);
                    const int q4 = m4Inverse[static_cast<std::size_t>(Mod(q5 - d4 - place.offset[3] + 2 * N))];
                    const int adjusted = Mod(q4 - place.offset[2] + N);
                    if (c == 0)
                        first = adjusted;
                    else
                        key |= static_cast<std::uint64_t>(Mod(adjusted - first + N)) << (8 * (c - 1));
                }
                halves_->Add(key, static_cast<std::uint32_t>(r4 | r5 << 4 | d4 << 8 | first << 16));
            }
        }
    }
    halves_->Seal();
}

bool MiddleMeeting::Fits(int r1, int r2, int r3, int r4, int r5, const int (&d)[4]) const
{
    const auto& m2 = tables_.EntryToExit(r2);
    const auto& m3 = tables_.EntryToExit(r3);
    const auto& m4 = tables_.EntryToExit(r4);
    auto fits = [&](const Place& place) {
        const int q2 = Mod(tables_.ExitPosition(r1, place.plain) + d[0] + place.offset[0]);
        const int q3 = Mod(m2[static_cast<std::size_t>(q2)] + d[1] + place.offset[1]);
        const int q4 = Mod(m3[static_cast<std::size_t>(q3)] + d[2] + place.offset[2]);
        const int q5 = Mod(m4[static_cast<std::size_t>(q4)] + d[3] + place.offset[3]);
        return tables_.EntrySymbol(r5, q5) == place.cipher;
    };
    if (!std::all_of(places_.begin(), places_.end(), fits))
        return false;
    for (std::size_t j = rest_; j < fragment_.size(); ++j) {
        if (tables_.EntryPosition(0, fragment_[j]) != RotorTables::Outside && !fits(PlaceAt(j)))
            return false;
    }
    return true;
}

AttackSetting MiddleMeeting::SettingOf(int r1, int r2, int r3, int r4, int r5, const int (&d)[4]) const
{
    AttackSetting setting;
    setting.rotors = {r1, r2, r3, r4, r5};
    // The key of the class whose slot 1 turns 0 times: T_(k+1) = T_k - D_k.
    setting.turns[0] = 0;
    for (std::size_t k = 0; k < 4; ++k)
        setting.turns[k + 1] = Mod(setting.turns[k] - d[k] + N);
    setting.position = position_;
    return setting;
}

void MiddleMeeting::Search(int rotor1, int d1First, int d1Last, const std::atomic<bool>& stop, FoundSettings& found,
                           std::uint64_t& examined) const
{
    CheckIndex(rotor1, 0, RotorCount - 1);
    if (!halves_)
        ProgrammingError("search without the backward table");
    CheckIndex(d1First, 0, N);
    CheckIndex(d1Last, d1First, N);
    const std::size_t chosen = chosen_.size();
    std::array<int, MaxChosen> exit1{}, q2{}, q3{};
    for (std::size_t c = 0; c < chosen; ++c)
        exit1[c] = tables_.ExitPosition(rotor1, places_[chosen_[c]].plain);
    // Where few places are chosen a key may hold every half: stop is looked at every 4,096 hits too.
    std::uint32_t hits = 0;
    for (int d1 = d1First; d1 < d1Last; ++d1) {
        if (stop.load(std::memory_order_relaxed))
            return;
        for (std::size_t c = 0; c < chosen; ++c)
            q2[c] = Mod(exit1[c] + d1 + places_[chosen_[c]].offset[0]);
        for (int r2 = 0; r2 < RotorCount; ++r2) {
            const auto& m2 = tables_.EntryToExit(r2);
            for (int d2 = 0; d2 < N; ++d2) {
                for (std::size_t c = 0; c < chosen; ++c)
                    q3[c] = Mod(m2[static_cast<std::size_t>(q2[c])] + d2 + places_[chosen_[c]].offset[1]);
                for (int r3 = 0; r3 < RotorCount; ++r3) {
                    const auto& m3 = tables_.EntryToExit(r3);
                    const int first = m3[static_cast<std::size_t>(q3[0])];
                    std::uint64_t key = 0;
                    for (std::size_t c = 1; c < chosen; ++c)
                        key |= static_cast<std::uint64_t>(Mod(m3[static_cast<std::size_t>(q3[c])] - first + N))
                               << (8 * (c - 1));
                    for (std::uint32_t i = halves_->First(key); i != HalfTable::NotFound; ++i) {
                        const std::uint32_t half = halves_->Value(i);
                        const int r4 = static_cast<int>(half & 15), r5 = static_cast<int>(half >> 4 & 15);
                        const int d4 = static_cast<int>(half >> 8 & 255);
                        const int d3 = Mod(static_cast<int>(half >> 16 & 255) - first + N);
                        const int d[4] = {d1, d2, d3, d4};
                        ++examined;
                        if (Fits(rotor1, r2, r3, r4, r5, d))
                            found.Add(SettingOf(rotor1, r2, r3, r4, r5, d));
                        if (++hits % 4096 == 0 && stop.load(std::memory_order_relaxed))
                            return;
                        if (half & HalfTable::Last)
                            break;
                    }
                }
            }
        }
        examined += static_cast<std::uint64_t>(RotorCount) * RotorCount * N;
    }
}

bool MiddleMeeting::Verify(int r1, int r2, int r3, int r4, int r5, const int (&d)[4], FoundSettings& found) const
{
    if (!Fits(r1, r2, r3, r4, r5, d))
        return false;
    found.Add(SettingOf(r1, r2, r3, r4, r5, d));
    return true;
}

std::array<int, 4> MiddleMeeting::Offsets(std::size_t textPosition)
{
    std::array<int, 4> offsets{};
    for (int k = 1; k <= 4; ++k)
        offsets[static_cast<std::size_t>(k - 1)] = Mod(Digit(textPosition, k) - Digit(textPosition, k + 1) + N);
    return offsets;
}

}  // namespace velista::analysis
