// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/AttackSetting.h"

#include "machine/Checked.h"
#include "machine/RotorBank.h"
#include "machine/RotorCatalogue.h"

namespace velista::analysis {

RotorChoice AttackSetting::Rotors() const
{
    std::u16string digits;
    for (int r : rotors) {
        CheckIndex(r, 0, RotorCount - 1);
        digits += RotorChoice::Digits[static_cast<std::size_t>(r)];
    }
    return RotorChoice::Certain(digits);
}

MachineKey AttackSetting::Key(const RotorTables& tables, int shift) const
{
    CheckIndex(shift, 0, RotorTables::N - 1);
    std::u16string key;
    for (std::size_t k = 0; k < turns.size(); ++k) {
        // The installation turns a slot (135 - p) mod 135 times when its key symbol stands at entry position p.
        const int turn = (turns[k] + shift) % RotorTables::N;
        key += tables.EntrySymbol(rotors[k], (RotorTables::N - turn) % RotorTables::N);
    }
    return MachineKey::Certain(key);
}

bool AttackSetting::Deciphers(const RotorTables& tables, std::u16string_view ciphertext,
                              std::u16string_view fragment) const
{
    return DeciphersAt(position, tables, ciphertext, fragment);
}

bool AttackSetting::DeciphersAt(std::size_t at, const RotorTables& tables, std::u16string_view ciphertext,
                                std::u16string_view fragment) const
{
    if (at > ciphertext.size() || fragment.size() > ciphertext.size() - at)
        return false;
    RotorBank bank;
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), Rotors().Numbers(), Key(tables).Symbols()))
        return false;
    bank.Advance(static_cast<std::int64_t>(at));
    std::u16string text(ciphertext.substr(at, fragment.size()));
    bank.DecipherText(text);
    return text == fragment;
}


std::uint64_t AttackSetting::Identity() const
{
    // Only the differences between the turns matter: the key class is the turns less slot 1's turn.
    std::uint64_t identity = 0;
    for (std::size_t k = 0; k < SlotCount; ++k) {
        const int difference = (turns[k] - turns[0] + RotorTables::N) % RotorTables::N;
        identity = identity << 12 | static_cast<std::uint64_t>(rotors[k]) << 8 | static_cast<std::uint64_t>(difference);
    }
    return identity;
}

}  // namespace velista::analysis
