// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/FoundSettings.h"

#include <algorithm>
#include <tuple>

namespace velista::analysis {

FoundSettings::FoundSettings(std::size_t keep)
    : keep_(keep)
{
    others_.reserve(DistinctTold);
}

void FoundSettings::Add(const AttackSetting& setting)
{
    const std::uint64_t identity = setting.Identity();
    const std::lock_guard lock(mutex_);
    ++fits_;
    if (const auto at = index_.find(identity); at != index_.end()) {
        // Workers report positions out of order: the smallest PositionsKept stay.
        auto& positions = kept_[at->second].positions;
        positions.push_back(setting.position);
        if (positions.size() > PositionsKept) {
            std::sort(positions.begin(), positions.end());
            positions.pop_back();
        }
        return;
    }
    if (kept_.size() < keep_) {
        index_.emplace(identity, kept_.size());
        kept_.push_back(setting);
        kept_.back().positions = {setting.position};
        ++distinct_;
        return;
    }
    if (others_.size() < DistinctTold) {
        if (others_.insert(identity).second)
            ++distinct_;
    } else if (!others_.contains(identity)) {
        ++distinct_;
    }
}

std::uint64_t FoundSettings::Distinct() const
{
    const std::lock_guard lock(mutex_);
    return distinct_;
}

std::uint64_t FoundSettings::Fits() const
{
    const std::lock_guard lock(mutex_);
    return fits_;
}

std::vector<AttackSetting> FoundSettings::Sorted() const
{
    std::vector<AttackSetting> settings;
    {
        const std::lock_guard lock(mutex_);
        settings = kept_;
    }
    for (AttackSetting& setting : settings) {
        std::sort(setting.positions.begin(), setting.positions.end());
        setting.position = setting.positions.front();
    }
    std::sort(settings.begin(), settings.end(), [](const AttackSetting& a, const AttackSetting& b) {
        return std::tie(a.position, a.rotors, a.turns) < std::tie(b.position, b.rotors, b.turns);
    });
    return settings;
}

}  // namespace velista::analysis
