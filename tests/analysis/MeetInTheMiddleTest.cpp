// SPDX-License-Identifier: GPL-3.0-or-later
// The meet in the middle on its own, at one position (MiddleMeeting) and at a batch of positions (PositionBatch),
// against ciphertexts made by the machine's whole-text path: a planted setting is found at its position and carries,
// and a near miss is rejected.

#include "analysis/AttackSetting.h"
#include "analysis/ForwardTable.h"
#include "analysis/FoundSettings.h"
#include "analysis/MiddleMeeting.h"
#include "analysis/PositionBatch.h"
#include "analysis/RotorTables.h"
#include "installation/CipherMachine.h"
#include "machine/Alphabet.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <string>
#include <vector>

namespace velista::analysis {
namespace {

using test::PrintTo;
using test::RowName;

constexpr int N = RotorTables::N;
const RotorTables& Tables() { return RotorTables::Shipped(); }

// A random setting and alphabet-only text from seed, enciphered whole through the key field as the program does.
struct Planted {
    std::u16string rotors, key, plain, cipher;

    Planted(unsigned seed, std::size_t length)
    {
        std::mt19937 rng(seed);
        const std::u16string_view alphabet = Alphabet::Machine().Text();
        for (int k = 0; k < 5; ++k) {
            rotors += static_cast<char16_t>(u'0' + rng() % 10);
            key += alphabet[rng() % alphabet.size()];
        }
        for (std::size_t i = 0; i < length; ++i)
            plain += alphabet[rng() % alphabet.size()];
        cipher = plain;
        HeadlessWindow window(rotors, key);
        CipherMachine machine(window);
        if (!machine.InstallRotors(window))
            ADD_FAILURE() << "installation refused";
        machine.Bank().EncipherText(cipher);
    }

    // The setting's key class holds the planted key.
    bool IsFound(const AttackSetting& setting) const
    {
        if (setting.Rotors().Text() != rotors)
            return false;
        const int p = Tables().EntryPosition(setting.rotors[0], key[0]);
        return setting.Key(Tables(), (N - p) % N).Symbols() == key;
    }
};

struct MeetingRow {
    const char* name;
    std::size_t position;
    std::size_t fragmentLength;
    std::ptrdiff_t altered;  // fragment place whose ciphertext symbol is changed, or -1
    unsigned seed;
};

class MiddleMeetingTest : public ::testing::TestWithParam<MeetingRow> {};

TEST_P(MiddleMeetingTest, FindsThePlantedSettingAndRejectsANearMiss)
{
    const MeetingRow& row = GetParam();
    Planted planted(row.seed, row.position + row.fragmentLength + 10);
    const std::u16string fragment = planted.plain.substr(row.position, row.fragmentLength);
    std::u16string cipher = planted.cipher;
    if (row.altered >= 0) {
        char16_t& c = cipher[row.position + static_cast<std::size_t>(row.altered)];
        c = c == u'а' ? u'б' : u'а';
    }
    const MiddleMeeting meeting(Tables(), cipher, fragment, row.position);
    FoundSettings found(10);
    std::uint64_t examined = 0;
    const std::atomic<bool> stop{false};
    meeting.Search(planted.rotors[0] - u'0', 0, N, stop, found, examined);
    if (row.altered >= 0) {
        EXPECT_EQ(found.Distinct(), 0u);
        return;
    }
    const std::vector<AttackSetting> settings = found.Sorted();
    ASSERT_EQ(settings.size(), 1u);
    const AttackSetting& s = settings[0];
    EXPECT_TRUE(planted.IsFound(s));
    EXPECT_EQ(s.position, row.position);

    // The setting itself passes; one key difference off by one, or the next rotor in slot 5, does not.
    int d[4];
    for (std::size_t k = 0; k < 4; ++k)
        d[k] = (s.turns[k] - s.turns[k + 1] + N) % N;
    FoundSettings again(10);
    const auto& r = s.rotors;
    EXPECT_TRUE(meeting.Verify(r[0], r[1], r[2], r[3], r[4], d, again));
    EXPECT_FALSE(meeting.Verify(r[0], r[1], r[2], r[3], (r[4] + 1) % RotorCount, d, again));
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        int off[4] = {d[0], d[1], d[2], d[3]};
        off[k] = (off[k] + 1) % N;
        EXPECT_FALSE(meeting.Verify(r[0], r[1], r[2], r[3], r[4], off, again));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, MiddleMeetingTest,
    ::testing::Values(MeetingRow{"AtTheStart", 0, 30, -1, 1},
                      MeetingRow{"AcrossSlot2Carry", 120, 30, -1, 2},
                      MeetingRow{"AcrossSlot3Carry", 18210, 30, -1, 3},
                      // Past the 256 places kept ready, the rest of the fragment is still checked.
                      MeetingRow{"AlteredPastThePlacesKept", 7, 300, 299, 4},
                      MeetingRow{"AlteredAtTheFirstPlace", 7, 30, 0, 5}),
    RowName<MeetingRow>);

struct BatchRow {
    const char* name;
    std::vector<std::size_t> positions;
    std::size_t planted;  // where the fragment was taken from
    bool found;           // planted is among positions
    unsigned seed;
    bool fromEnd = false;  // the places chosen from the fragment's end
};

class PositionBatchTest : public ::testing::TestWithParam<BatchRow> {};

// Each position of a batch has its own odometer offsets: positions in different stretches, revolutions of slot 2
// or of slot 3 share one sweep, and only the planted one fits; the same when the batch's backward halves meet
// forward halves made once for the rotor (ForwardTable) rather than a sweep of them.
TEST_P(PositionBatchTest, FindsThePlantedPositionOnly)
{
    const BatchRow& row = GetParam();
    constexpr std::size_t Length = 20;
    Planted planted(row.seed, row.planted + Length + 200);
    const std::u16string fragment = planted.plain.substr(row.planted, Length);
    const int rotor1 = planted.rotors[0] - u'0';
    std::vector<std::size_t> chosen = PositionBatch::Choose(Tables(), fragment, rotor1, row.fromEnd);
    for (std::size_t p : row.positions)
        ASSERT_TRUE(PositionBatch::Serves(chosen, p)) << p;
    const std::atomic<bool> stop{false};
    for (const bool meet : {false, true}) {
        SCOPED_TRACE(meet ? "met" : "swept");
        const PositionBatch batch(Tables(), planted.cipher, fragment, rotor1, chosen, row.positions, stop, !meet);
        FoundSettings found(10);
        std::uint64_t examined = 0;
        if (meet) {
            const ForwardTable forward(Tables(), fragment, rotor1, chosen, stop);
            // In two blocks of backward halves, as a search may cut them.
            batch.Meet(forward, 0, 60, stop, found, examined);
            batch.Meet(forward, 60, N, stop, found, examined);
        } else {
            batch.Sweep(0, N, stop, found, examined);
        }
        const std::vector<AttackSetting> settings = found.Sorted();
        if (!row.found) {
            EXPECT_TRUE(settings.empty());
            continue;
        }
        ASSERT_EQ(settings.size(), 1u);
        EXPECT_TRUE(planted.IsFound(settings[0]));
        EXPECT_EQ(settings[0].positions, std::vector<std::size_t>{row.planted});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Batches, PositionBatchTest,
    ::testing::Values(BatchRow{"OnePosition", {100}, 100, true, 1},
                      BatchRow{"AfterSlot2Carry", {100, 140, 300}, 140, true, 2},
                      BatchRow{"BeforeSlot3Carry", {18100, 18230}, 18100, true, 3},
                      BatchRow{"AfterSlot3Carry", {18100, 18230}, 18230, true, 4},
                      BatchRow{"AfterSlot4Carry", {2460300, 2460380}, 2460380, true, 5},
                      BatchRow{"NextToThePlantedPosition", {18100, 18231}, 18230, false, 6},
                      BatchRow{"PlacesFromTheEnd", {110, 250}, 250, true, 7, true},
                      BatchRow{"PlacesFromTheEndAfterSlot3Carry", {18110, 18250}, 18250, true, 8, true}),
    RowName<BatchRow>);

}  // namespace
}  // namespace velista::analysis
