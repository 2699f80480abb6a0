#pragma once
// Slots 1 to 3 worked forwards from a few fragment places for one slot-1 rotor, once for every position of the
// fragment: the table that the search at each position looks its backward halves up in.
//
// While the chosen places lie in one stretch of 135, slot 1's exit position at place t is its plain symbol's
// exit-row position plus (j_t - j_0) plus a number E that holds the key and the position, and the odometer's
// other offsets are constants that join the key differences. So the same 1,822,500 forward halves
// (E, rotor 2, D2 + offset, rotor 3) serve every such position; a position then costs the 13,500 backward
// halves looked up here instead of 1,822,500 forward halves worked out.

#include "RotorTables.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velista::analysis {

class ForwardHalves {
public:
    static constexpr std::size_t MaxChosen = 6;

    struct Half {
        int e, r2, d2, r3, y0;  // y0: slot-3 exit position at the first chosen place
    };

    // Chooses up to six alphabet places of the fragment with different slot-1 exit positions under rotor1, from
    // the fragment's start or, with fromEnd, from its end; builds the table unless stop is set meanwhile.
    ForwardHalves(const RotorTables& tables, std::u16string_view fragment, int rotor1, bool fromEnd);

    // The places that the constructor chooses.
    static std::vector<std::size_t> Choose(const RotorTables& tables, std::u16string_view fragment, int rotor1,
                                           bool fromEnd);
    // True when the chosen places lie in one stretch with the fragment at this position.
    static bool Serves(const std::vector<std::size_t>& chosen, std::size_t position);

    int Rotor1() const { return rotor1_; }
    // Fragment indexes of the chosen places, in ascending order.
    const std::vector<std::size_t>& Chosen() const { return chosen_; }
    // True when the chosen places lie in one stretch with the fragment at this position.
    bool Serves(std::size_t position) const;

    // Calls found(half) for every forward half whose differences key equals key.
    template <typename Found>
    void Find(std::uint64_t key, Found found) const
    {
        for (std::size_t slot = Slot(key); table_[slot] != Empty; slot = (slot + 1) & (table_.size() - 1)) {
            const std::uint64_t entry = table_[slot];
            if (entry >> 24 != key)
                continue;
            const auto value = static_cast<std::uint32_t>(entry & 0xFFFFFF);
            found(Half{static_cast<int>(value & 255), static_cast<int>(value >> 8 & 15),
                       static_cast<int>(value >> 12 & 255), static_cast<int>(value >> 20 & 15), 0});
        }
    }

    // The key of a set of slot-4 entry values, one for each chosen place: their differences from the first.
    static std::uint64_t KeyOf(const int* values, std::size_t count);

    // Slot-3 exit position at the first chosen place for a half (not kept in the table, to keep entries at 8 bytes).
    int FirstExit(const Half& half) const;

private:
    static constexpr std::uint64_t Empty = ~std::uint64_t{0};
    static constexpr int TableBits = 22;
    static std::size_t Slot(std::uint64_t key);

    const RotorTables& tables_;
    int rotor1_;
    std::vector<std::size_t> chosen_;
    std::vector<int> exitPlusStep_;  // exit-row position + (j_t - j_0), per chosen place
    std::vector<std::uint64_t> table_;
};

}  // namespace velista::analysis
