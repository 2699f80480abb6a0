// SPDX-License-Identifier: GPL-3.0-or-later
// The four hops of a symbol through the bank, and the odometer stepping of the bank.

#include "tests/machine/FakeMachineWindow.h"

namespace velista::test {

TEST_F(MachineTest, HopsGoThroughTheSamePositionOfNeighbouringSlots)
{
    RotorBank bank;
    bank.LoadSlot(1, machine.Catalogue()[0]);
    bank.LoadSlot(2, machine.Catalogue()[1]);
    // "H" stands at position 1 of rotor 0's exit row, ":" at position 1 of rotor 1's entry row.
    EXPECT_EQ(bank.EntryOfNextSlot(1, bank.FindInExitRow(1, u'H')), u':');
    EXPECT_EQ(bank.ExitOfPreviousSlot(2, bank.FindInEntryRow(2, u':')), u'H');
}

// At any bank position the two directions undo each other; a symbol that no row holds enters at position 0.
TEST_F(MachineTest, DecipheringUndoesEncipheringAtAnyBankPosition)
{
    std::mt19937 rng(20240611);
    for (int trial = 0; trial < 12; ++trial) {
        InstallRandom(machine, window, rng);
        const auto steps = std::uniform_int_distribution<std::int64_t>(0, 30'000'000)(rng);
        machine.Bank().Advance(steps);
        SCOPED_TRACE(::testing::Message() << "after " << steps << " steps");
        const RotorBank& bank = machine.Bank();
        for (const char16_t s : Alphabet::Machine().Text()) {
            ASSERT_TRUE(Alphabet::Machine().Contains(bank.EncipherSymbol(s)));
            ASSERT_EQ(bank.DecipherSymbol(bank.EncipherSymbol(s)), s);
            ASSERT_EQ(bank.EncipherSymbol(bank.DecipherSymbol(s)), s);
        }
        for (const char16_t outside : {u'!', u'Ё', u'\r', u'\0'}) {
            EXPECT_EQ(bank.EntryOfNextSlot(1, bank.FindInExitRow(1, outside)), bank.Slot(2).EntryAt(0));
            EXPECT_EQ(bank.EncipherSymbol(outside), bank.EncipherSymbol(bank.Slot(1).ExitAt(0)));
            EXPECT_EQ(bank.DecipherSymbol(outside), bank.DecipherSymbol(bank.Slot(5).EntryAt(0)));
        }
    }
}

struct StretchRow {
    const char* name;
    std::int64_t start, steps;  // made with Advance, then one by one
};

// Rotor 0 in every slot, keys at entry positions 134, 133, 127, 0 and 131: 1, 2, 8, 0 and 4 turns.
class SteppingTest : public MachineTestWithParam<StretchRow> {
protected:
    void SetUp() override { ASSERT_TRUE(Install(machine, window, u"00000", u"DRAs ")); }
    void Step(std::int64_t times)
    {
        while (times-- > 0)
            Usl_Procr(machine.Bank(), window);
    }
    // Counter k and the turns of slot k from its key after i steps: floor(i / 135^(k-1)) mod 135.
    void ExpectPosition(std::int64_t steps) const
    {
        const int keyTurns[] = {1, 2, 8, 0, 4};
        for (std::int16_t k = 1; k <= 5; ++k, steps /= 135) {
            EXPECT_EQ(machine.Bank().StepCounter(k), steps % 135) << "counter " << k;
            EXPECT_EQ(machine.Bank().Slot(k).Turns(), (keyTurns[k - 1] + steps % 135) % 135) << "slot " << k;
        }
    }
};

TEST_F(SteppingTest, EachCounterThatReaches135TurnsTheNextSlot)
{
    const int slot2Refills = window.clears[1];
    Step(134);
    ExpectPosition(134);
    EXPECT_EQ(window.clears[1], slot2Refills);
    Step(1);
    ExpectPosition(135);
    EXPECT_EQ(window.clears[1], slot2Refills + 1);
    EXPECT_EQ(window.lines[0][0], WindowLine(u'D'));  // slot 1 is back at its key
    EXPECT_EQ(window.lines[1][0], WindowLine(u'Э'));  // rotor 0's entry position 132
    Step(18'225 - 135);
    ExpectPosition(18'225);
}

// Advance makes the steps of Usl_Procr, without showing them.
TEST_P(SteppingTest, AdvanceEqualsSteppingOneByOneAndFollowsTheOdometer)
{
    machine.Bank().Advance(GetParam().start);
    for (std::int16_t k = 1; k <= 5; ++k)
        ShowSlot(machine.Bank(), k, window);
    RotorBank advanced = machine.Bank();
    advanced.Advance(GetParam().steps);
    Step(GetParam().steps);
    ExpectPosition(GetParam().start + GetParam().steps);
    ExpectSameBank(advanced, machine.Bank());
    FakeMachineWindow shown;  // Usl_Procr showed every slot that turned
    for (std::int16_t k = 1; k <= 5; ++k)
        ShowSlot(advanced, k, shown);
    EXPECT_EQ(shown.lines, window.lines);
}

const StretchRow stretchRows[] = {
    {"None", 0, 0},
    {"OneStep", 0, 1},
    {"UpToACarry", 0, 135},
    {"AcrossACarry", 100, 40},
    {"JustBeforeSlot3Carry", 18'225 - 10, 9},
    {"AcrossSlot3Carry", 18'225 - 140, 300},
    {"JustBeforeSlot4Carry", 2'460'375 - 7, 6},
    {"OntoSlot4Carry", 2'460'375 - 7, 7},
    {"PastSlot4CarryAndOneMore", 2'460'375 - 2, 138},
    {"OntoSlot5Carry", 332'150'625 - 3, 3},
    {"FarBeyond", 332'150'625 + 18'225 * 7 + 135 * 3, 140},
    {"WholeRevolutionsAcrossSlot3Carries", 135 * 3, 18'225 * 2 + 500},
    {"WholeRevolutionsOntoSlot4Carry", 2'460'375 - 18'225 - 135, 18'225 + 135},
};
INSTANTIATE_TEST_SUITE_P(Stretches, SteppingTest, ::testing::ValuesIn(stretchRows), RowName<StretchRow>);

}  // namespace velista::test
