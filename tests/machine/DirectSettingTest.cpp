// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the bank directly from rotor numbers and a key leaves it exactly as the installation does.

#include "tests/machine/FakeMachineWindow.h"
#include "tests/support/HeadlessWindow.h"

namespace velista::test {

struct DirectRow {
    const char* name;
    std::int16_t rotor;
};

class DirectSettingTest : public ::testing::TestWithParam<DirectRow> {};

// The rotor in every slot; over 135 keys, every slot's key symbol runs through the whole alphabet
// (slot s starts 27 * s symbols further on, so that the slots differ).
TEST_P(DirectSettingTest, EqualsTheInstallationForEveryKeySymbolInEverySlot)
{
    const std::int16_t r = GetParam().rotor;
    const std::u16string rotors(5, static_cast<char16_t>(u'0' + r));
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        std::u16string key;
        for (std::size_t s = 0; s < 5; ++s)
            key += alphabet[(i + 27 * s) % alphabet.size()];
        HeadlessWindow window(rotors, key);
        CipherMachine installed(window);
        installed.Bank().Advance(1'000'003);  // counters away from 0: both settings must reset them
        ASSERT_TRUE(installed.InstallRotors(window));

        RotorBank direct;
        ASSERT_TRUE(direct.SetDirectly(RotorCatalogue::Shipped(), {r, r, r, r, r}, key));
        SCOPED_TRACE(::testing::Message() << "key position " << i);
        ExpectSameBank(direct, installed.Bank());
        if (::testing::Test::HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Rotors, DirectSettingTest,
                         ::testing::Values(DirectRow{"Rotor0", 0}, DirectRow{"Rotor1", 1}, DirectRow{"Rotor2", 2},
                                           DirectRow{"Rotor3", 3}, DirectRow{"Rotor4", 4}, DirectRow{"Rotor5", 5},
                                           DirectRow{"Rotor6", 6}, DirectRow{"Rotor7", 7}, DirectRow{"Rotor8", 8},
                                           DirectRow{"Rotor9", 9}),
                         RowName<DirectRow>);

struct RefusedRow {
    const char* name;
    std::u16string_view key;
};

class RefusedKeyTest : public ::testing::TestWithParam<RefusedRow> {};

// A refused key leaves the bank as it was, tables and counters included.
TEST_P(RefusedKeyTest, LeavesTheBankAsItWas)
{
    RotorBank bank;
    ASSERT_TRUE(bank.SetDirectly(RotorCatalogue::Shipped(), {0, 1, 2, 3, 4}, u"Ключ1"));
    bank.Advance(500);
    const RotorBank before = bank;
    EXPECT_FALSE(bank.SetDirectly(RotorCatalogue::Shipped(), {5, 6, 7, 8, 9}, GetParam().key));
    ExpectSameBank(bank, before);
}

INSTANTIATE_TEST_SUITE_P(Keys, RefusedKeyTest,
                         ::testing::Values(RefusedRow{"FourSymbols", u"Ключ"}, RefusedRow{"SixSymbols", u"Ключ12"},
                                           RefusedRow{"YoOutsideTheAlphabet", u"Ёлка1"},
                                           RefusedRow{"ExclamationLast", u"abcd!"}, RefusedRow{"Empty", u""}),
                         RowName<RefusedRow>);

}  // namespace velista::test
