// SPDX-License-Identifier: GPL-3.0-or-later
// Installing the rotors named in the rotor field and turning each slot until its key symbol is on top.

#include "tests/machine/FakeMachineWindow.h"
#include "tests/support/HeadlessWindow.h"

#include <tuple>

namespace velista::test {

using namespace std::literals;

struct InstallRow {
    const char* name;
    std::u16string_view rotors, key;
    std::array<int, 5> rotor;  // the catalogue rotor in each slot
    std::array<int, 5> turns;  // 135 - p for a key at entry position p of the copy, 135 for p = 0
};

class InstallRotorsTest : public MachineTestWithParam<InstallRow> {};

TEST_P(InstallRotorsTest, TurnsEverySlotToItsKeySymbol)
{
    const InstallRow& row = GetParam();
    machine.Bank().Advance(20'000);  // counters away from 0
    ASSERT_TRUE(Install(machine, window, row.rotors, row.key));
    EXPECT_TRUE(machine.RotorsInstalled());
    EXPECT_EQ(window.runButtonsShown, 1);
    EXPECT_TRUE(window.messages.empty());
    for (std::int16_t k = 1; k <= 5; ++k) {
        SCOPED_TRACE(::testing::Message() << "slot " << k);
        const std::size_t j = k - 1u;
        const RotorSlot& slot = machine.Bank().Slot(k);
        EXPECT_TRUE(slot.Copied() == machine.Catalogue()[row.rotor[j]]);
        EXPECT_EQ(slot.EntryAt(0), row.key[j]);
        EXPECT_EQ(slot.Turns(), row.turns[j] % 135);
        EXPECT_EQ(window.clears[j], row.turns[j] + 1);  // emptied, then refilled at every turn
        ASSERT_EQ(window.lines[j].size(), 23u);
        EXPECT_EQ(window.lines[j][0], WindowLine(row.key[j]));
        EXPECT_EQ(machine.Bank().StepCounter(k), 0);
    }
    const RotorBank first = machine.Bank();
    const auto firstLines = window.lines;
    ASSERT_TRUE(machine.InstallRotors(window));
    ExpectSameBank(machine.Bank(), first);
    EXPECT_EQ(window.lines, firstLines);

    HeadlessWindow headless{std::u16string(row.rotors), std::u16string(row.key)};  // keeps only top lines
    CipherMachine batch(headless);
    ASSERT_TRUE(batch.InstallRotors(headless));
    ExpectSameBank(batch.Bank(), machine.Bank());
}

const InstallRow installRows[] = {
    {"FirstEntrySymbolsTurnAFullRevolution", u"01234", u"s-yUч", {0, 1, 2, 3, 4}, {135, 135, 135, 135, 135}},
    {"KeysNearTheEndOfTheRowAndSpace", u"00000", u"DRAs ", {0, 0, 0, 0, 0}, {1, 2, 8, 135, 4}},
    {"RepeatedRotorTurnsEachCopyToItsOwnKey", u"33333", u"UqG6b", {3, 3, 3, 3, 3}, {135, 134, 133, 132, 131}},
    {"NonDigitSelectsRotor0", u"x9 -1", u"DgR -", {0, 9, 0, 0, 1}, {1, 135, 2, 4, 135}},
};
INSTANTIATE_TEST_SUITE_P(Fields, InstallRotorsTest, ::testing::ValuesIn(installRows), RowName<InstallRow>);

struct RefusalRow {
    const char* name;
    std::u16string_view rotors, key, message;
};

class InstallRefusalTest : public MachineTestWithParam<RefusalRow> {};

TEST_P(InstallRefusalTest, ShowsTheMessageAndChangesNothingElse)
{
    ASSERT_TRUE(Install(machine, window, u"12345", u"abcde"));
    machine.ClearRotorsInstalled();  // as a change of the fields does
    Usl_Procr(machine.Bank(), window);
    const RotorBank bank = machine.Bank();
    const FakeMachineWindow before = window;

    EXPECT_FALSE(Install(machine, window, GetParam().rotors, GetParam().key));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, GetParam().message);
    EXPECT_EQ(window.messages[0].second, CipherMachine::MessageTitle);
    EXPECT_FALSE(machine.RotorsInstalled());
    ExpectSameBank(machine.Bank(), bank);
    EXPECT_EQ(std::tie(window.lines, window.clears, window.yields, window.runButtonsShown),
              std::tie(before.lines, before.clears, before.yields, before.runButtonsShown));
}

constexpr auto incomplete = CipherMachine::IncompleteFieldsMessage;
constexpr auto outside = CipherMachine::KeyOutsideAlphabetMessage;
const RefusalRow refusalRows[] = {
    {"FourRotorNumbers", u"0123", u"sssss", incomplete}, {"FourKeySymbols", u"01234", u"ssss", incomplete},
    {"SixKeySymbols", u"01234", u"ssssss", incomplete},  {"EmptyFields", u"", u"", incomplete},
    {"ExclamationMarkInKey", u"01234", u"ss!ss", outside}, {"CapitalYoInKey", u"01234", u"ssssЁ", outside},
    {"NulInKey", u"01234", u"\0ssss"sv, outside},
};
INSTANTIATE_TEST_SUITE_P(Fields, InstallRefusalTest, ::testing::ValuesIn(refusalRows), RowName<RefusalRow>);

struct ChangeRow {
    const char* name;
    std::u16string_view rotors, key, newRotors, newKey;
    std::array<int, 5> rotor;
    std::u16string_view keys;  // NoSymbol: the slot stays unturned with an empty window; '?': left open
};

class FieldsChangedDuringInstallTest : public MachineTestWithParam<ChangeRow> {};

// The fields change as soon as slot 1 shows its key.
TEST_P(FieldsChangedDuringInstallTest, LaterSlotsFollowTheNewFields)
{
    const ChangeRow& row = GetParam();
    window.onYield = [&] {
        if (window.keyField == row.key && window.RotorWindowTopLine(0) == WindowLine(row.key[0]))
            window.rotorField = row.newRotors, window.keyField = row.newKey;
    };
    const bool installed = Install(machine, window, row.rotors, row.key);
    EXPECT_TRUE(installed || row.keys.find(u'?') != row.keys.npos);
    for (std::int16_t k = 1; k <= 5; ++k) {
        SCOPED_TRACE(::testing::Message() << "slot " << k);
        const std::size_t j = k - 1u;
        if (row.keys[j] == u'?')
            continue;
        const RotorSlot& slot = machine.Bank().Slot(k);
        EXPECT_TRUE(slot.Copied() == machine.Catalogue()[row.rotor[j]]);
        if (row.keys[j] == NoSymbol) {
            EXPECT_EQ(slot.Turns(), 0);
            EXPECT_TRUE(window.lines[j].empty());
        } else {
            EXPECT_EQ(slot.EntryAt(0), row.keys[j]);
            EXPECT_EQ(window.RotorWindowTopLine(int(j)), WindowLine(row.keys[j]));
        }
    }
}

const ChangeRow changeRows[] = {
    {"NewRotorsAndKey", u"99999", u"fffff", u"01234", u"D-yUч", {9, 1, 2, 3, 4}, u"f-yUч"},
    {"ShortenedFields", u"01234", u"s-yUч", u"012", u"s-y", {0, 1, 2, 0, 0}, u"s-y\0\0"sv},
    // Such a key never shows on top of a window: what the installation does then is open, but it ends.
    {"KeyOutsideTheAlphabet", u"01234", u"s-yUч", u"01234", u"s-!Uч", {0, 1, 2, 3, 4}, u"s-???"},
};
INSTANTIATE_TEST_SUITE_P(Changes, FieldsChangedDuringInstallTest, ::testing::ValuesIn(changeRows), RowName<ChangeRow>);

// Yields counted from the start of the installation: the catalogue takes 2,700; then each slot of
// "s-yUч" on "01234" turns 135 times, two yields a turn, and the installation ends at yield 4,070.
class InstallInterruptedTest : public MachineTestWithParam<long> {
protected:
    void SetUp() override { window.yields = 0; }
};

TEST_P(InstallInterruptedTest, SecondInstallationInsideTheFirstLeavesTheSameBank)
{
    FakeMachineWindow plainWindow;
    CipherMachine plain(plainWindow);
    ASSERT_TRUE(Install(plain, plainWindow, u"01234", u"s-yUч"));
    bool inner = false;
    window.onYield = [&] {
        if (!inner && window.yields == GetParam()) {
            inner = true;
            EXPECT_TRUE(machine.InstallRotors(window));
        }
    };
    ASSERT_TRUE(Install(machine, window, u"01234", u"s-yUч"));
    ASSERT_TRUE(inner);
    EXPECT_TRUE(machine.RotorsInstalled());
    ExpectSameBank(machine.Bank(), plain.Bank());
    EXPECT_EQ(window.lines, plainWindow.lines);
    EXPECT_EQ(window.runButtonsShown, 2);
}

TEST_P(InstallInterruptedTest, EndsPromptlyWhenTheProgramStops)
{
    window.onYield = [&] { window.stopping = window.stopping || window.yields == GetParam(); };
    EXPECT_FALSE(Install(machine, window, u"01234", u"s-yUч"));
    EXPECT_LE(window.yields, GetParam() + 2);
    EXPECT_FALSE(machine.RotorsInstalled());
    EXPECT_EQ(window.runButtonsShown, 0);
}

INSTANTIATE_TEST_SUITE_P(AtYield, InstallInterruptedTest, ::testing::Values(1L, 100L, 2702L, 2750L, 3600L, 4000L));

}  // namespace velista::test
