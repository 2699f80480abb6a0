#include "RunPacer.h"

#include <algorithm>
#include <cmath>

namespace velista {

namespace {
// Before anything was measured: small enough for any machine to do within a slice.
constexpr qint32 FirstBudget = 2048;
// Slices smaller than this measure only the fixed part of their cost.
constexpr qint32 MeasuredSlice = 256;
constexpr double LargestBudget = 1 << 24;
}  // namespace

RunPacer::RunPacer(qint32 count)
    : pacedCount_(std::max(count, 0))
{
}

qint32 RunPacer::SliceBudget() const
{
    if (millisecondsPerPosition_ < 0)
        return FirstBudget;
    const double fixed = std::max(fixedMilliseconds_, 0.0);
    const double work = std::max(SliceMilliseconds - fixed, fixed);
    const double budget = work / std::max(millisecondsPerPosition_, 1e-7);
    return static_cast<qint32>(std::clamp(budget, double(MeasuredSlice), LargestBudget));
}

qint32 RunPacer::NextSlice(qint32 position, qint32 count) const
{
    const qint32 left = count - position;
    if (left <= 0)
        return 0;
    qint32 slice = std::min(left, SliceBudget());
    if (Paced()) {
        // Where the run stands after this frame: one position a frame at first, then a cubic ramp to the
        // whole text at the last paced frame.
        const double share = std::pow(double(frame_ + 1) / PacedFrames, 3);
        const qint32 target = std::max<qint32>(frame_ + 1, static_cast<qint32>(pacedCount_ * share));
        slice = std::clamp(target - position, qint32{1}, slice);
    }
    return slice;
}

void RunPacer::SliceDone(qint32 positions, double milliseconds)
{
    if (Paced())
        pacedMilliseconds_ += std::max(milliseconds, double(FrameMilliseconds));
    ++frame_;
    fixedMilliseconds_ = fixedMilliseconds_ < 0 ? milliseconds : std::min(fixedMilliseconds_, milliseconds);
    if (positions < MeasuredSlice)
        return;
    const double perPosition = std::max(milliseconds - fixedMilliseconds_, 0.0) / positions;
    millisecondsPerPosition_ =
        millisecondsPerPosition_ < 0 ? perPosition : 0.5 * millisecondsPerPosition_ + 0.5 * perPosition;
}

}  // namespace velista
