// SPDX-License-Identifier: GPL-3.0-or-later
// The key class of a found setting: 135 different keys, the chosen one among them, every one enciphering a
// text across the slot-2 carry exactly as the chosen key does, and a key one symbol off outside it.
#include "analysis/KeyClass.h"

#include "machine/Alphabet.h"
#include "machine/RotorBank.h"
#include "machine/RotorCatalogue.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace velista::analysis {
namespace {

struct KeyClassRow {
    const char* name;
    std::u16string rotors;
    std::u16string key;
};

std::u16string Enciphered(const std::u16string& rotors, std::u16string_view key, std::u16string text)
{
    std::array<std::int16_t, SlotCount> chosen{};
    for (std::size_t k = 0; k < chosen.size(); ++k)
        chosen[k] = static_cast<std::int16_t>(rotors[k] - u'0');
    RotorBank bank;
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), chosen, key))
        ADD_FAILURE() << "the bank refused the key";
    bank.EncipherText(text);
    return text;
}

// The setting as the attack reports it: the rotors, and the turns the installation gives each slot.
AttackSetting SettingOf(const KeyClassRow& row)
{
    AttackSetting setting;
    for (std::size_t k = 0; k < SlotCount; ++k) {
        setting.rotors[k] = row.rotors[k] - u'0';
        const int p = RotorTables::Shipped().EntryPosition(setting.rotors[k], row.key[k]);
        setting.turns[k] = (RotorTables::N - p) % RotorTables::N;
    }
    return setting;
}

class KeyClassTest : public testing::TestWithParam<KeyClassRow> {};

TEST_P(KeyClassTest, EveryListedKeyEnciphersAlike)
{
    const KeyClassRow& row = GetParam();
    const KeyClass keys(SettingOf(row), RotorTables::Shipped());
    ASSERT_EQ(keys.Keys().size(), 135u);
    EXPECT_EQ(keys.Keys().front(), row.key);
    EXPECT_EQ(std::set<std::u16string>(keys.Keys().begin(), keys.Keys().end()).size(), 135u);
    // 400 symbols: slot 2 turns at the 135th and the 270th.
    std::mt19937 random(7);
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    std::u16string text;
    for (int i = 0; i < 400; ++i)
        text += alphabet[random() % alphabet.size()];
    const std::u16string expected = Enciphered(row.rotors, row.key, text);
    for (const std::u16string& key : keys.Keys()) {
        EXPECT_TRUE(keys.Contains(key));
        EXPECT_EQ(Enciphered(row.rotors, key, text), expected);
    }
    // One symbol of the key moved on by one place of its rotor's row: another class, another ciphertext.
    std::u16string off = row.key;
    const int rotor = row.rotors[2] - u'0';
    const int p = RotorTables::Shipped().EntryPosition(rotor, off[2]);
    off[2] = RotorCatalogue::Shipped()[static_cast<std::int16_t>(rotor)].EntryRow[(p + 1) % RotorTables::N];
    EXPECT_FALSE(keys.Contains(off));
    EXPECT_NE(Enciphered(row.rotors, off, text), expected);
    EXPECT_FALSE(keys.Contains(row.key.substr(0, 4)));
}

INSTANTIATE_TEST_SUITE_P(Classes, KeyClassTest,
                         testing::Values(KeyClassRow{"Letters", u"01234", u"Ключ1"},
                                         KeyClassRow{"RepeatedRotors", u"77770", u"aaaaa"},
                                         KeyClassRow{"PunctuationAndDigits", u"93519", u" (:]9"},
                                         KeyClassRow{"LatinAndCyrillic", u"28460", u"gЙEkА"}),
                         [](const testing::TestParamInfo<KeyClassRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velista::analysis
