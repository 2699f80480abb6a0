// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/RunPacer.h"

#include <algorithm>
#include <cmath>

namespace velista {

namespace {
// Before anything was measured: small enough for any machine to do within a slice.
constexpr qint32 FirstBudget = 2048;
// Slices smaller than this measure mostly what every frame costs, not what a position does.
constexpr qint32 MeasuredSlice = 256;
constexpr qint32 LongLineSlices = 4;
}  // namespace

RunPacer::RunPacer(qint32 count, RunSpeed speed)
    : pacedCount_(std::max(count, 0))
    , speed_(speed)
{
}

int RunPacer::MinimumFrameMilliseconds() const
{
    switch (speed_) {
    case RunSpeed::OnePerSecond:
        return 1000;
    case RunSpeed::TenPerSecond:
        return 100;
    case RunSpeed::Normal:
        return Paced() ? FrameMilliseconds : 0;
    case RunSpeed::NoDelay:
        break;
    }
    return 0;
}

qint32 RunPacer::SliceBudget() const
{
    if (millisecondsPerPosition_ <= 0)
        return FirstBudget;
    // Slices grow at most fourfold: the first measures come from small slices.
    const double growth = 4.0 * std::max(lastSlice_, FirstBudget);
    const double budget = std::min(SliceMilliseconds / millisecondsPerPosition_, growth);
    return static_cast<qint32>(std::max(budget, double(MeasuredSlice)));
}

qint32 RunPacer::NextSlice(qint32 position, qint32 count, qint32 lineLength) const
{
    const qint32 left = count - position;
    if (left <= 0)
        return 0;
    if (Slow())
        return 1;
    qint32 budget = SliceBudget();
    if (lineLength >= LongLine)
        budget = std::max(budget, lineLength / LongLineSlices);
    qint32 slice = std::min(left, budget);
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
    lastSlice_ = positions;
    if (positions < MeasuredSlice)
        return;
    const double perPosition = std::max(milliseconds, 0.001) / positions;
    millisecondsPerPosition_ =
        millisecondsPerPosition_ <= 0 ? perPosition : 0.5 * millisecondsPerPosition_ + 0.5 * perPosition;
}

}  // namespace velista
