// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far a run gets between two looks at the window. A run is watched: a text of more than 30 positions
// turns over at least 30 frames (about half a second), the first ones a few symbols at a time; after them
// the run goes as fast as the text area allows, in slices short enough that the window keeps answering.
// The two slow speeds make one position a frame, a second or a tenth of a second long; "Без задержек"
// skips the slow start.

#include "main_window/RunSpeed.h"

#include <QtGlobal>

namespace velista {

class RunPacer {
public:
    static constexpr int PacedFrames = 30;
    static constexpr int FrameMilliseconds = 16;
    static constexpr double PacedMilliseconds = PacedFrames * FrameMilliseconds;
    static constexpr double SliceMilliseconds = 10;
    // A line this long costs the text area so much to lay out again after each edit that it is done in a
    // few large slices rather than many short ones.
    static constexpr qint32 LongLine = 32 * 1024;

    // count: the positions of the text when the run starts.
    explicit RunPacer(qint32 count, RunSpeed speed = RunSpeed::Normal);

    // Takes effect with the next slice, also in the middle of a run.
    void SetSpeed(RunSpeed speed) { speed_ = speed; }
    RunSpeed Speed() const { return speed_; }

    // How many positions the next slice transforms, from position of a text that now holds count, where
    // the line at position is lineLength long.
    qint32 NextSlice(qint32 position, qint32 count, qint32 lineLength) const;
    // The slice of that many positions took so long; the next frame follows.
    void SliceDone(qint32 positions, double milliseconds);
    // How long the present frame lasts at the least.
    int MinimumFrameMilliseconds() const;

private:
    // A frame that costs more than a frame's time stretches the pace: after about half a second of
    // watching, the run goes on at full speed however few frames that was.
    bool Paced() const
    {
        return speed_ == RunSpeed::Normal && frame_ < PacedFrames && pacedMilliseconds_ < PacedMilliseconds;
    }
    bool Slow() const { return speed_ == RunSpeed::OnePerSecond || speed_ == RunSpeed::TenPerSecond; }
    // What a slice of SliceMilliseconds can do, as measured so far.
    qint32 SliceBudget() const;

    qint32 pacedCount_;
    RunSpeed speed_;
    int frame_ = 0;
    double pacedMilliseconds_ = 0;
    double millisecondsPerPosition_ = -1;
    qint32 lastSlice_ = 0;
};

}  // namespace velista
