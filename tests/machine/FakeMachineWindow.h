// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the main window that records what the machine does to it, and helpers shared by the
// machine tests.

#include "installation/CipherMachine.h"
#include "installation/RotorWindows.h"
#include "machine/Alphabet.h"
#include "machine/Beeper.h"
#include "machine/Windows1251.h"
#include "tests/support/CountingBeeper.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <vector>

namespace velista::test {

class FakeMachineWindow : public MachineWindow {
public:
    void ClearRotorWindow(int w) override { lines.at(At(w)).clear(), ++clears.at(At(w)); }
    void AppendRotorWindowLine(int w, std::u16string_view line) override { lines.at(At(w)).emplace_back(line); }
    std::optional<std::u16string> RotorWindowTopLine(int w) const override
    {
        return lines.at(At(w)).empty() ? std::nullopt : std::optional(lines.at(At(w)).front());
    }
    std::u16string RotorFieldText() const override { return rotorField; }
    std::u16string KeyFieldText() const override { return keyField; }
    void ShowRunButtons() override { ++runButtonsShown; }
    void ShowCriticalMessage(std::u16string_view text, std::u16string_view title) override
    {
        messages.emplace_back(text, title);
    }
    void Yield() override { ++yields; if (onYield) onYield(); }
    bool Stopping() const override { return stopping; }

    std::array<std::vector<std::u16string>, 5> lines;  // rotor window i shows slot i + 1
    std::array<int, 5> clears{};                       // how often each rotor window was emptied
    std::u16string rotorField, keyField;
    int runButtonsShown = 0;
    std::vector<std::pair<std::u16string, std::u16string>> messages;  // (text, title)
    long yields = 0;
    std::function<void()> onYield;  // runs on every yield, in the middle of the machine's work
    bool stopping = false;

private:
    static std::size_t At(int window) { return static_cast<std::size_t>(window); }
};

// A machine that works against a fake window.
class MachineTest : public ::testing::Test {
protected:
    FakeMachineWindow window;
    CipherMachine machine{window};
};
template <typename Param>
class MachineTestWithParam : public MachineTest, public ::testing::WithParamInterface<Param> {};

// A rotor window line: three spaces, the symbol, three spaces.
inline std::u16string WindowLine(char16_t symbol) { return u"   " + std::u16string(1, symbol) + u"   "; }

inline bool Install(CipherMachine& machine, FakeMachineWindow& window, std::u16string_view rotors,
                    std::u16string_view key)
{
    window.rotorField = rotors;
    window.keyField = key;
    return machine.InstallRotors(window);
}

// Five random rotor numbers and five random key symbols.
inline void InstallRandom(CipherMachine& machine, FakeMachineWindow& window, std::mt19937& rng)
{
    std::u16string rotors, key;
    for (int j = 0; j < 5; ++j)
        rotors += char16_t(u'0' + rng() % 10), key += Alphabet::Machine().Text()[rng() % 135];
    ASSERT_TRUE(Install(machine, window, rotors, key));
}

inline void ExpectSameBank(const RotorBank& actual, const RotorBank& expected)
{
    for (std::int16_t k = 1; k <= 5; ++k) {
        EXPECT_TRUE(actual.Slot(k).Copied() == expected.Slot(k).Copied()) << "slot " << k;
        EXPECT_EQ(actual.Slot(k).Turns(), expected.Slot(k).Turns()) << "slot " << k;
        EXPECT_EQ(actual.StepCounter(k), expected.StepCounter(k)) << "counter " << k;
    }
}

}  // namespace velista::test
