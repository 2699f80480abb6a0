// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an attack reports: the settings that fit, how much it examined, how long it took, whether it was cancelled.

#include "analysis/AttackSetting.h"

#include <cstdint>
#include <vector>

namespace velista::analysis {

struct AttackResult {
    // The settings found, each (rotors and key class) once with every position where it fits, one key per class,
    // in order of first position and rotors; at most the attack's limit.
    std::vector<AttackSetting> settings;
    // How many distinct settings fit in all (may exceed settings.size() when the fragment is too short to decide).
    std::uint64_t found = 0;
    // How many pairs of a setting and a position fit: a text that repeats the fragment's line gives one setting
    // at several positions.
    std::uint64_t fits = 0;
    // Partial settings the search actually computed: halves of the machine tried from either end,
    // and whole settings checked against the fragment.
    std::uint64_t candidatesExamined = 0;
    // Whole settings (rotors, key class, position) the search decided on, most of them rejected in bulk.
    double settingsCovered = 0;
    // Positions that the characters outside the alphabet allowed.
    std::uint64_t positionsTried = 0;
    double seconds = 0;
    bool cancelled = false;
    // The fragment holds no symbol of the alphabet, so every setting fits and none is listed.
    bool undecidable = false;

    // Exactly one setting fits, at however many positions: its rotors and its key class are the answer.
    bool Unique() const { return !cancelled && !undecidable && found == 1; }
};

}  // namespace velista::analysis
