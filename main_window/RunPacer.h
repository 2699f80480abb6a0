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

    // count: the positions of the text when the run starts.
    explicit RunPacer(qint32 count);

    // How many positions the next slice transforms, from position of a text that now holds count.
    qint32 NextSlice(qint32 position, qint32 count) const;
    // The slice of that many positions took so long; the next frame follows.
    void SliceDone(qint32 positions, double milliseconds);
    // How long the present frame lasts at the least.
    int MinimumFrameMilliseconds() const { return Paced() ? FrameMilliseconds : 0; }

private:
    // A frame that costs more than a frame's time stretches the pace: after about half a second of
    // watching, the run goes on at full speed however few frames that was.
    bool Paced() const { return frame_ < PacedFrames && pacedMilliseconds_ < PacedMilliseconds; }
    // What one slice may take on: a slice costs a fixed part (the area's edit and layout) and a part per
    // position. Where the fixed part is large (a very long line), slices grow so that it stays at most half.
    qint32 SliceBudget() const;

    qint32 pacedCount_;
    int frame_ = 0;
    double pacedMilliseconds_ = 0;
    double fixedMilliseconds_ = -1;
    double millisecondsPerPosition_ = -1;
};

}  // namespace velista
