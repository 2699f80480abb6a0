// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search at one fragment position: slots 1 to 3 worked forwards from the plain text and slots 5 and 4
// backwards from the ciphertext, meeting at slot 4's entry.
//
// With turns T1..T5 at the key position, slot k at text position i has turned T_k + d_k(i), d_k(i) being the
// odometer's k-th digit of i. Only the differences D_k = T_k - T_(k+1) matter. A symbol s goes
//   q2 = exit1(s) + D1,  q3 = M2[q2] + D2,  q4 = M3[q3] + D3,  q5 = M4[q4] + D4,  out = entry5[q5]
// (all modulo 135, plus the odometer's offsets d_k - d_(k+1)), where M_k takes slot k's entry-row position to the
// exit-row position of the same symbol. From the ciphertext, q4 = M4^-1[entry5^-1(out) - D4]. The backward half
// (rotors 4 and 5, D4: 13,500 choices) goes into a table keyed by the differences of q4 between a few chosen
// positions, which do not depend on D3; each forward half (rotors 1 to 3, D1, D2: 1,822,500 choices) is looked up
// there, and each hit fixes D3 and is checked against the whole fragment.

#include "analysis/AttackSetting.h"
#include "analysis/FoundSettings.h"
#include "analysis/HalfTable.h"
#include "analysis/RotorTables.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace velista::analysis {

class MiddleMeeting {
public:
    // The fragment must fit the ciphertext at position (FragmentFilter::RotorsFitting not 0 there).
    // Without backwardTable, only SearchForward may be called.
    MiddleMeeting(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                  std::size_t position, bool backwardTable = true);

    std::size_t Position() const { return position_; }
    bool HasBackwardTable() const { return halves_ != nullptr; }

    // Every setting with rotor1 in slot 1 and D1 (at the key position) from d1First to d1Last - 1 that turns the
    // fragment into the ciphertext, added to found; adds the partial settings computed to examined. Returns
    // early, leaving the rest unsearched, once stop is set.
    void Search(int rotor1, int d1First, int d1Last, const std::atomic<bool>& stop, FoundSettings& found,
                std::uint64_t& examined) const;

    // Adds a whole setting (key differences D1..D4 at the key position) to found when it turns the fragment into
    // the ciphertext here. Returns whether it does.
    bool Verify(int r1, int r2, int r3, int r4, int r5, const int (&d)[4], FoundSettings& found) const;

    // The odometer's offsets d_k - d_(k+1), k = 1 to 4, at a text position, modulo 135.
    static std::array<int, 4> Offsets(std::size_t textPosition);

private:
    static constexpr int N = RotorTables::N;
    static constexpr std::size_t MaxChosen = 6;
    // Places kept ready for checking a whole setting. Nearly every wrong setting fails within a few places, and
    // a batch holds 64 meetings: a 64 KiB fragment's places kept in full took 1.5 MiB each, 100 MiB a batch.
    static constexpr std::size_t PlacesKept = 256;

    struct Place {
        char16_t plain = 0, cipher = 0;
        std::size_t stretch = 0;  // text position / 135
        // The odometer's offsets d_k - d_(k+1) at this text position, modulo 135.
        std::uint8_t offset[4]{};
    };

    Place PlaceAt(std::size_t j) const;
    bool Fits(int r1, int r2, int r3, int r4, int r5, const int (&d)[4]) const;
    AttackSetting SettingOf(int r1, int r2, int r3, int r4, int r5, const int (&d)[4]) const;

    const RotorTables& tables_;
    std::u16string_view ciphertext_, fragment_;
    std::size_t position_;
    std::vector<Place> places_;        // the first PlacesKept alphabet places
    std::size_t rest_ = 0;             // the fragment index after the last of them
    std::vector<std::size_t> chosen_;  // indexes into places_
    // The backward halves: key of q4 differences -> rotor 4, rotor 5, D4, and q4 - offset at the first chosen place.
    std::unique_ptr<HalfTable> halves_;
};

}  // namespace velista::analysis
