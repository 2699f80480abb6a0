// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/KeyClass.h"

#include <algorithm>

namespace velista::analysis {

KeyClass::KeyClass(const AttackSetting& setting, const RotorTables& tables)
{
    keys_.reserve(RotorTables::N);
    for (int shift = 0; shift < RotorTables::N; ++shift)
        keys_.push_back(setting.Key(tables, shift).Symbols());
}

bool KeyClass::Contains(std::u16string_view key) const
{
    return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

}  // namespace velista::analysis
