#include "AttackSetting.h"

#include <Checked.h>

namespace velista::analysis {

std::u16string AttackSetting::RotorText() const
{
    std::u16string text;
    for (int r : rotors) {
        CheckIndex(r, 0, RotorCount - 1);
        text += static_cast<char16_t>(u'0' + r);
    }
    return text;
}

std::u16string AttackSetting::Key(const RotorTables& tables, int shift) const
{
    CheckIndex(shift, 0, RotorTables::N - 1);
    std::u16string key;
    for (std::size_t k = 0; k < turns.size(); ++k) {
        // The installation turns a slot (135 - p) mod 135 times when its key symbol stands at entry position p.
        const int turn = (turns[k] + shift) % RotorTables::N;
        key += tables.EntrySymbol(rotors[k], (RotorTables::N - turn) % RotorTables::N);
    }
    return key;
}

}  // namespace velista::analysis
