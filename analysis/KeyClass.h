// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 135 keys that encipher alike with a found setting's rotors: turning all five slots by the same amount
// changes no contact between them, so the attack finds a key only up to that. A teacher can list them and
// check whether the key chosen for the lesson is one of them.

#include "analysis/AttackSetting.h"
#include "analysis/RotorTables.h"

#include <string>
#include <string_view>
#include <vector>

namespace velista::analysis {

class KeyClass {
public:
    KeyClass(const AttackSetting& setting, const RotorTables& tables);

    // The key the attack reported first, then the other 134, each raised by one more turn of every slot.
    const std::vector<std::u16string>& Keys() const { return keys_; }
    // True for one of the 135 keys; a key of another length is none of them.
    bool Contains(std::u16string_view key) const;

private:
    std::vector<std::u16string> keys_;
};

}  // namespace velista::analysis
