#pragma once
// How far a run gets between two looks at the window. A run is watched: a text of more than 30 positions
// turns over at least 30 frames (about half a second), the first ones a few symbols at a time; after them
// the run goes as fast as the text area allows, in slices short enough that the window keeps answering.

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
    explicit RunPacer(qint32 count);

    // How many positions the next slice transforms, from position of a text that now holds count, where
    // the line at position is lineLength long.
    qint32 NextSlice(qint32 position, qint32 count, qint32 lineLength) const;
    // The slice of that many positions took so long; the next frame follows.
    void SliceDone(qint32 positions, double milliseconds);
    // How long the present frame lasts at the least.
    int MinimumFrameMilliseconds() const { return Paced() ? FrameMilliseconds : 0; }

private:
    // A frame that costs more than a frame's time stretches the pace: after about half a second of
    // watching, the run goes on at full speed however few frames that was.
    bool Paced() const { return frame_ < PacedFrames && pacedMilliseconds_ < PacedMilliseconds; }
    // What a slice of SliceMilliseconds can do, as measured so far.
    qint32 SliceBudget() const;

    qint32 pacedCount_;
    int frame_ = 0;
    double pacedMilliseconds_ = 0;
    double millisecondsPerPosition_ = -1;
    qint32 lastSlice_ = 0;
};

}  // namespace velista
