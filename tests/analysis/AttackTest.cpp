// SPDX-License-Identifier: GPL-3.0-or-later
// The known-plaintext attack against ciphertexts made by the machine's own whole-text path.

#include "analysis/AttackSetting.h"
#include "analysis/FoundSettings.h"
#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "installation/CipherMachine.h"
#include "tests/support/HeadlessWindow.h"

#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include "machine/Alphabet.h"

#include <atomic>
#include <random>
#include <stop_token>
#include <thread>
#include <string>
#include <vector>

namespace velista::analysis {
namespace {

using test::RowName;

const RotorTables& Tables() { return RotorTables::Shipped(); }

struct Secret {
    std::u16string rotors, key;
};

Secret RandomSecret(std::mt19937& rng)
{
    Secret secret;
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    for (int k = 0; k < 5; ++k) {
        secret.rotors += static_cast<char16_t>(u'0' + rng() % 10);
        secret.key += alphabet[rng() % alphabet.size()];
    }
    return secret;
}

// Text of alphabet symbols; with outside, about one character in eight is a line break, Ё, ! or a tab.
std::u16string RandomText(std::mt19937& rng, std::size_t length, bool outside)
{
    static constexpr char16_t others[] = {u'\n', u'Ё', u'!', u'\t'};
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i)
        text += outside && rng() % 8 == 0 ? others[rng() % 4] : alphabet[rng() % alphabet.size()];
    return text;
}

// Installs the setting through the key field, as the program does, and enciphers the whole text at once.
std::u16string Encipher(const Secret& secret, std::u16string text)
{
    HeadlessWindow window(secret.rotors, secret.key);
    CipherMachine machine(window);
    if (!machine.InstallRotors(window))
        ADD_FAILURE() << "installation refused";
    machine.Bank().EncipherText(text);
    return text;
}

// The setting's key class holds the secret key: its slot-1 turn raised to the secret's.
bool SameClass(const AttackSetting& found, const Secret& secret)
{
    if (found.Rotors().Text() != secret.rotors)
        return false;
    const int p = Tables().EntryPosition(found.rotors[0], secret.key[0]);
    return found.Key(Tables(), (RotorTables::N - p) % RotorTables::N).Symbols() == secret.key;
}

struct AttackRow {
    const char* name;
    std::size_t textLength;
    std::size_t position;
    std::size_t fragmentLength;
    bool positionKnown;
    bool outside;
    unsigned seed;
};

class AttackTest : public ::testing::TestWithParam<AttackRow> {};

TEST_P(AttackTest, FindsTheSettingThatMadeTheCiphertext)
{
    const AttackRow& row = GetParam();
    std::mt19937 rng(row.seed);
    const Secret secret = RandomSecret(rng);
    const std::u16string plain = RandomText(rng, row.textLength, row.outside);
    const std::u16string cipher = Encipher(secret, plain);
    const std::u16string fragment = plain.substr(row.position, row.fragmentLength);

    KnownPlaintextAttack attack(Tables());
    const AttackResult result =
        attack.Run(cipher, fragment, row.positionKnown ? std::optional(row.position) : std::nullopt);
    ASSERT_FALSE(result.cancelled);
    ASSERT_EQ(result.found, 1u);
    ASSERT_EQ(result.settings.size(), 1u);
    EXPECT_TRUE(result.Unique());
    EXPECT_EQ(result.settings[0].position, row.position);
    const std::u16string rotors = result.settings[0].Rotors().Text();
    EXPECT_TRUE(SameClass(result.settings[0], secret)) << "rotors " << std::string(rotors.begin(), rotors.end());
    EXPECT_GT(result.candidatesExamined, 0u);

    // Every key of the class reported deciphers the whole text.
    const AttackSetting& found = result.settings[0];
    for (int shift : {0, 1, 77, 134}) {
        HeadlessWindow window(found.Rotors().Text(), found.Key(Tables(), shift).Symbols());
        CipherMachine machine(window);
        ASSERT_TRUE(machine.InstallRotors(window));
        std::u16string text = cipher;
        machine.Bank().DecipherText(text);
        EXPECT_TRUE(text == plain) << "shift " << shift;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fragments, AttackTest,
    ::testing::Values(
        AttackRow{"KnownAtStart", 500, 0, 30, true, false, 1},
        AttackRow{"KnownInside", 2000, 777, 30, true, false, 2},
        AttackRow{"KnownAcrossSlot2Carry", 500, 120, 40, true, false, 3},
        AttackRow{"KnownOverSeveralStretches", 1000, 200, 300, true, false, 4},
        AttackRow{"KnownAcrossSlot3Carry", 18300, 18210, 30, true, false, 5},
        AttackRow{"KnownWithOutsideCharacters", 600, 50, 40, true, true, 6},
        AttackRow{"UnknownInside", 3000, 1111, 30, false, false, 7},
        AttackRow{"UnknownAcrossSlot2Carry", 3000, 1340, 30, false, false, 8},
        AttackRow{"UnknownWithOutsideCharacters", 3000, 2000, 40, false, true, 9},
        AttackRow{"UnknownAtTheEnd", 1000, 970, 30, false, false, 10},
        // Both ends of the fragment cross a multiple of 135, so no batch serves it and it is searched alone.
        AttackRow{"KnownCrossingAtBothEnds", 1000, 132, 276, true, false, 11},
        AttackRow{"UnknownCrossingAtBothEnds", 3000, 132, 276, false, false, 12},
        // A short fragment passes most places for several slot-1 rotors: their positions meet forward halves made
        // once per rotor and side (ForwardTable), not swept batch by batch.
        AttackRow{"UnknownShortMetOnce", 400, 200, 12, false, false, 13},
        AttackRow{"UnknownShortAcrossSlot2Carry", 400, 265, 12, false, false, 14},
        AttackRow{"UnknownShortWithOutsideCharacters", 1500, 402, 15, false, true, 15}),
    RowName<AttackRow>);

struct StrangerRow {
    const char* name;
    bool positionKnown;
    bool outside;
};

class StrangerTest : public ::testing::TestWithParam<StrangerRow> {};

// A fragment of another text fits nowhere.
TEST_P(StrangerTest, NothingFits)
{
    std::mt19937 rng(42);
    const Secret secret = RandomSecret(rng);
    const std::u16string cipher = Encipher(secret, RandomText(rng, 3000, GetParam().outside));
    const std::u16string stranger = RandomText(rng, 40, false);
    KnownPlaintextAttack attack(Tables());
    const AttackResult result =
        attack.Run(cipher, stranger, GetParam().positionKnown ? std::optional<std::size_t>(100) : std::nullopt);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.found, 0u);
    EXPECT_TRUE(result.settings.empty());
    EXPECT_FALSE(result.Unique());
}

INSTANTIATE_TEST_SUITE_P(Fragments, StrangerTest,
                         ::testing::Values(StrangerRow{"KnownPosition", true, false},
                                           StrangerRow{"UnknownPosition", false, false},
                                           StrangerRow{"UnknownPositionOutsideInCiphertext", false, true}),
                         RowName<StrangerRow>);

// The progress reports rise to 1 and end with the settings found.
TEST(AttackProgressReports, RiseToTheEnd)
{
    std::mt19937 rng(3);
    const Secret secret = RandomSecret(rng);
    const std::u16string plain = RandomText(rng, 4000, false);
    const std::u16string cipher = Encipher(secret, plain);
    KnownPlaintextAttack attack(Tables());
    std::vector<AttackProgress> reports;
    attack.SetProgressCallback([&](const AttackProgress& progress) { reports.push_back(progress); },
                               std::chrono::milliseconds(1));
    const AttackResult result = attack.Run(cipher, plain.substr(1500, 30), std::nullopt);
    ASSERT_FALSE(reports.empty());
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GE(reports[i].fraction, reports[i - 1].fraction);
        EXPECT_GE(reports[i].candidatesExamined, reports[i - 1].candidatesExamined);
    }
    EXPECT_DOUBLE_EQ(reports.back().fraction, 1.0);
    EXPECT_EQ(reports.back().found, result.found);
    EXPECT_EQ(reports.back().candidatesExamined, result.candidatesExamined);
}

TEST(AttackEdges, FragmentWithoutSymbolsIsUndecidable)
{
    KnownPlaintextAttack attack(Tables());
    const AttackResult result = attack.Run(u"ab\n!cd\n!", u"\n!", std::nullopt);
    EXPECT_TRUE(result.undecidable);
    EXPECT_EQ(result.positionsTried, 2u);
    EXPECT_FALSE(result.Unique());
}

TEST(AttackEdges, FragmentLongerThanCiphertextFitsNowhere)
{
    KnownPlaintextAttack attack(Tables());
    for (auto position : {std::optional<std::size_t>(), std::optional<std::size_t>(0), std::optional<std::size_t>(9)}) {
        const AttackResult result = attack.Run(u"abc", u"abcd", position);
        EXPECT_EQ(result.found, 0u);
        EXPECT_EQ(result.positionsTried, 0u);
    }
}

enum class CancelBy { Cancel, StopToken };

struct CancelRow {
    const char* name;
    CancelBy by;
};

class CancelTest : public ::testing::TestWithParam<CancelRow> {};

// A 6-symbol fragment in 20,000 characters fits so many places that the whole search would take many minutes.
TEST_P(CancelTest, StopsEarlyFlaggedCancelled)
{
    std::mt19937 rng(7);
    const Secret secret = RandomSecret(rng);
    const std::u16string plain = RandomText(rng, 20000, false);
    const std::u16string cipher = Encipher(secret, plain);
    KnownPlaintextAttack attack(Tables());
    std::stop_source source;
    int reports = 0;
    double lastFraction = 0;
    attack.SetProgressCallback(
        [&](const AttackProgress& progress) {
            EXPECT_GE(progress.fraction, lastFraction);
            lastFraction = progress.fraction;
            // Cancels once the search proper has begun.
            if (++reports == 1 || progress.fraction <= 0.2)
                return;
            if (GetParam().by == CancelBy::Cancel)
                attack.Cancel();
            else
                source.request_stop();
        },
        std::chrono::milliseconds(5));
    const AttackResult result = attack.Run(cipher, plain.substr(5000, 6), std::nullopt, source.get_token());
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.Unique());
    EXPECT_LT(result.seconds, 20.0);
    EXPECT_GE(reports, 2);

    // The next run starts afresh and finishes.
    attack.SetProgressCallback({});
    const AttackResult next = attack.Run(cipher, plain.substr(5000, 40), 5000);
    EXPECT_FALSE(next.cancelled);
    EXPECT_EQ(next.found, 1u);
}

INSTANTIATE_TEST_SUITE_P(Ways, CancelTest,
                         ::testing::Values(CancelRow{"FromProgressCallback", CancelBy::Cancel},
                                           CancelRow{"ByStopToken", CancelBy::StopToken}),
                         RowName<CancelRow>);

}  // namespace
}  // namespace velista::analysis

namespace velista::analysis {
namespace {

// A text of one letter gives the search its worst case: every position and every slot-1 rotor passes the scan.
struct DeadlineRow {
    const char* name;
    std::size_t textLength;
    std::size_t fragmentLength;
    bool positionKnown;
    bool oneLetter;  // the plain text is one letter repeated, else random symbols
    int cancelAfterMs;
};

class CancelDeadlineTest : public ::testing::TestWithParam<DeadlineRow> {};

// Cancel must end the run within a second whatever stage it is in: a window that is closed joins the search's
// thread. This is a deadline for correctness, far above the 50 ms each stage is meant to keep.
TEST_P(CancelDeadlineTest, ReturnsWithinASecondOfCancel)
{
    const DeadlineRow& row = GetParam();
    std::mt19937 rng(19);
    const Secret secret = RandomSecret(rng);
    const std::u16string plain = row.oneLetter ? std::u16string(row.textLength, u'о') : RandomText(rng, row.textLength, false);
    const std::u16string cipher = Encipher(secret, plain);
    const std::u16string fragment = plain.substr(row.textLength / 3, row.fragmentLength);
    KnownPlaintextAttack attack(Tables());
    std::atomic<bool> ended{false};
    std::chrono::steady_clock::time_point endedAt;
    AttackResult result;
    std::jthread search([&] {
        result = attack.Run(cipher, fragment, row.positionKnown ? std::optional(row.textLength / 3) : std::nullopt);
        endedAt = std::chrono::steady_clock::now();
        ended.store(true);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(row.cancelAfterMs));
    ASSERT_FALSE(ended.load()) << "the search ended before it was cancelled: the row tests nothing";
    const auto cancelledAt = std::chrono::steady_clock::now();
    attack.Cancel();
    while (!ended.load() && std::chrono::steady_clock::now() - cancelledAt < std::chrono::seconds(30))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(ended.load()) << "still searching 30 s after Cancel";
    search.join();
    EXPECT_LT(std::chrono::duration<double>(endedAt - cancelledAt).count(), 1.0);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.Unique());
}

INSTANTIATE_TEST_SUITE_P(
    Stages, CancelDeadlineTest,
    ::testing::Values(DeadlineRow{"OneSymbolUnknownEarly", 3000, 1, false, false, 50},
                      DeadlineRow{"OneSymbolUnknownLater", 3000, 1, false, false, 1500},
                      DeadlineRow{"OneSymbolKnown", 3000, 1, true, false, 300},
                      DeadlineRow{"ShortUnknown", 20000, 6, false, false, 800},
                      DeadlineRow{"OneLetterTextUnknown", 400000, 40, false, true, 600},
                      DeadlineRow{"MebibyteFragmentOfOneLetter", 2 << 20, 1 << 20, false, true, 700}),
    RowName<DeadlineRow>);

struct RepeatRow {
    const char* name;
    std::u16string line;
    std::size_t repeats;
    std::size_t from, length;  // the fragment within the line
};

class RepeatedLineTest : public ::testing::TestWithParam<RepeatRow> {};

// The setting that made a text fits wherever the text holds the fragment: one setting, at each repetition.
TEST_P(RepeatedLineTest, IsOneSettingAtEveryRepetition)
{
    const RepeatRow& row = GetParam();
    std::mt19937 rng(23);
    const Secret secret = RandomSecret(rng);
    std::u16string plain = RandomText(rng, 500, false);
    std::vector<std::size_t> expected;
    for (std::size_t n = 0; n < row.repeats; ++n) {
        expected.push_back(plain.size() + row.from);
        plain += row.line + RandomText(rng, 37 * n % 200, true);
    }
    const std::u16string cipher = Encipher(secret, plain);
    KnownPlaintextAttack attack(Tables());
    const AttackResult result = attack.Run(cipher, row.line.substr(row.from, row.length), std::nullopt);
    ASSERT_FALSE(result.cancelled);
    EXPECT_TRUE(result.Unique());
    EXPECT_EQ(result.found, 1u);
    EXPECT_EQ(result.fits, row.repeats);
    ASSERT_EQ(result.settings.size(), 1u);
    EXPECT_TRUE(SameClass(result.settings[0], secret));
    const std::size_t listed = std::min(row.repeats, FoundSettings::PositionsKept);
    EXPECT_EQ(result.settings[0].positions, std::vector<std::size_t>(expected.begin(), expected.begin() + listed));
    EXPECT_EQ(result.settings[0].position, expected.front());
}

const std::u16string Line = u"Явка провалена, уходите через двор. Пароль прежний: 1417.\r\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, RepeatedLineTest,
    ::testing::Values(RepeatRow{"TwiceThirtySymbols", Line, 2, 5, 30},
                      RepeatRow{"FiveTimesWithLineBreak", Line, 5, 20, 40},
                      RepeatRow{"MoreThanTheListedPositions", Line, 120, 0, 30}),
    RowName<RepeatRow>);

}  // namespace
}  // namespace velista::analysis
