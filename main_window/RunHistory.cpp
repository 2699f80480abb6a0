// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/RunHistory.h"

namespace velista {

void RunHistory::Clear()
{
    slices_.clear();
    positions_ = 0;
}

void RunHistory::Record(qint32 start, const QString& original, const RotorBank::Position& before)
{
    if (original.isEmpty())
        return;
    slices_.push_back({start, original, before});
    positions_ += qint32(original.size());
    while (positions_ - qint32(slices_.front().original.size()) >= KeptPositions) {
        positions_ -= qint32(slices_.front().original.size());
        slices_.pop_front();
    }
}

std::optional<RunHistory::Made> RunHistory::Last() const
{
    if (slices_.empty())
        return std::nullopt;
    const Slice& slice = slices_.back();
    const qint32 into = qint32(slice.original.size()) - 1;
    return Made{slice.start + into, slice.original.at(into), slice.before, into};
}

std::optional<RunHistory::Made> RunHistory::TakeBack()
{
    std::optional<Made> last = Last();
    if (!last)
        return std::nullopt;
    Slice& slice = slices_.back();
    slice.original.chop(1);
    if (slice.original.isEmpty())
        slices_.pop_back();
    --positions_;
    return last;
}

}  // namespace velista
