// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The positions a run made that a step back can take again: for each slice, where it started, the text it
// replaced and where the bank stood before it. The machine only steps forwards; a position is taken back by
// putting the bank where it stood before the slice and stepping it on to the position.

#include "machine/RotorBank.h"

#include <QString>

#include <deque>
#include <optional>

namespace velista {

class RunHistory {
public:
    // Kept at the least; older slices go once the newer ones hold this many positions. A slice at full
    // speed holds a few thousand positions, so the history never holds much more than this.
    static constexpr qint32 KeptPositions = 10'000;

    // One position made: the character that stood there before, and where the bank stood for it.
    struct Made {
        qint32 position = 0;
        QChar original;
        RotorBank::Position slicePosition;  // the bank before the slice that made the position
        qint32 stepsIntoSlice = 0;          // steps from there to the bank before this position
    };

    void Clear();
    // A slice of the run replaced original at start, with the bank at before.
    void Record(qint32 start, const QString& original, const RotorBank::Position& before);
    qint32 Positions() const { return positions_; }
    // The last position made, if any is kept.
    std::optional<Made> Last() const;
    // Forgets the last position made and returns it; nothing when none is kept.
    std::optional<Made> TakeBack();

private:
    struct Slice {
        qint32 start = 0;
        QString original;
        RotorBank::Position before;
    };

    std::deque<Slice> slices_;
    qint32 positions_ = 0;
};

}  // namespace velista
