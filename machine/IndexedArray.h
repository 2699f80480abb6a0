// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fixed array indexed from First to Last, as the machine counts (rows from 0, slots from 1), every index checked.

#include "machine/Checked.h"

#include <array>
#include <cstddef>

namespace velista {

template <typename T, int First, int Last>
class IndexedArray {
public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T& operator[](int index) { return items_[Offset(index)]; }
    const T& operator[](int index) const { return items_[Offset(index)]; }

    void Fill(const T& value) { items_.fill(value); }

    bool operator==(const IndexedArray&) const = default;

private:
    static std::size_t Offset(int index)
    {
        CheckIndex(index, First, Last);
        return static_cast<std::size_t>(index - First);
    }

    std::array<T, Last - First + 1> items_{};
};

}  // namespace velista
