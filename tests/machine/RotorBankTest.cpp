// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a slot, with its rotor window, and the programming errors that stop the program.

#include "tests/machine/FakeMachineWindow.h"

namespace velista::test {

class RotateSlotTest : public MachineTestWithParam<std::pair<std::int16_t, std::int16_t>> {
protected:
    void SetUp() override { bank.LoadSlot(2, machine.Catalogue()[0]); }  // rotor 0 as copied

    RotorBank bank;
};

TEST_F(RotateSlotTest, OneTurnBringsTheLastSymbolsToTheTop)
{
    RotateSlot(bank, 2, 1, window);
    const RotorSlot& slot = bank.Slot(2);
    EXPECT_EQ((std::u16string{slot.EntryAt(0), slot.EntryAt(1), slot.EntryAt(2), slot.EntryAt(3), slot.EntryAt(4)}),
              u"Dsfcж");
    EXPECT_EQ((std::u16string{slot.ExitAt(0), slot.ExitAt(1), slot.ExitAt(2), slot.ExitAt(3), slot.ExitAt(4)}),
              u":iHБф");
    ASSERT_EQ(window.lines[1].size(), 23u);
    EXPECT_EQ(window.lines[1][0], u"   D   ");
    EXPECT_EQ(window.lines[1][22], WindowLine(RotorWiringText::Literal(0)[21]));
    EXPECT_EQ(window.clears, (std::array<int, 5>{0, 1, 0, 0, 0}));
}

// After t turns in all, position p of either row holds what the copied row holds at (p - t) mod 135.
TEST_P(RotateSlotTest, TurningByNThenMIsTurningByTheirSum)
{
    const auto [n, m] = GetParam();
    RotateSlot(bank, 2, n, window);
    RotateSlot(bank, 2, m, window);
    for (int p = 0; p < 135; ++p) {
        const auto copied = std::size_t((p - (n + m) % 135 + 135) % 135);
        ASSERT_EQ(bank.Slot(2).EntryAt(p), RotorWiringText::Literal(0)[copied]) << "position " << p;
        ASSERT_EQ(bank.Slot(2).ExitAt(p), RotorWiringText::Literal(10)[copied]) << "position " << p;
        if (p < 23) {
            EXPECT_EQ(window.lines[1].at(std::size_t(p)), WindowLine(RotorWiringText::Literal(0)[copied]));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Turns, RotateSlotTest,
                         ::testing::Values(std::pair<std::int16_t, std::int16_t>{0, 0}, std::pair{135, 0},
                                           std::pair{0, 135}, std::pair{1, 1}, std::pair{134, 1}, std::pair{100, 70},
                                           std::pair{135, 135}, std::pair{1000, 3}));

class ProgrammingErrorDeathTest : public MachineTest {};

TEST_F(ProgrammingErrorDeathTest, StopsTheProgram)
{
    IndexedArray<int, 1, 5> slots;
    EXPECT_DEATH(slots[6] = 1, "programming error: index out of range");
    EXPECT_DEATH(slots[0] = 1, "programming error: index out of range");
    RotorBank bank;
    std::u16string text = u"abc";
    EXPECT_DEATH(bank.EncipherText(text), "programming error");  // no rotor installed
    bank.LoadSlot(1, machine.Catalogue()[0]);
    EXPECT_DEATH(RotateSlot(bank, 1, -1, window), "programming error");
}

}  // namespace velista::test
