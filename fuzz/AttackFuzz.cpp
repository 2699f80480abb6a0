// SPDX-License-Identifier: GPL-3.0-or-later
// The attack finds the setting that made a ciphertext: any rotors and key, a fragment at any position, enciphered
// by the machine, make a request that AttackRequest passes, and searched at that known position give back those
// rotors, a key of that key's class and that position.
// Input: five rotor bytes, five key bytes (symbols of the alphabet), three bytes of position, then the fragment,
// a byte a character: 0 to 249 an alphabet symbol, the rest line breaks and characters outside the alphabet.

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzSetting.h"

#include "analysis/AttackRequest.h"
#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "machine/Alphabet.h"
#include "machine/RotorBank.h"

#include <algorithm>
#include <array>
#include <string>

using namespace velista;
using namespace velista::analysis;
using velista::fuzz::FuzzCheck;

namespace {

// Fewer alphabet symbols leave many settings at a known position and make the search slow (5 symbols: a median
// of 789 settings in 1.4 s); with 24 the search takes about 0.07 s of CPU in the optimised build.
constexpr std::size_t FewestSymbols = 24;
// Longer fragments decide no better and only slow each run.
constexpr std::size_t LongestFragment = 200;
// Settings kept: enough that the one sought is among them whenever it fits.
constexpr std::size_t Keep = 100;

constexpr std::u16string_view Outside = u"\r\n\tЁ!?";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    // Named, not a structured binding: clang 14 does not let a lambda capture one.
    const fuzz::FuzzSetting sought = fuzz::FuzzSetting::Read(input);
    const auto& rotors = sought.rotors;
    const std::u16string& key = sought.key;
    // Up to 2^22 positions: past the first turn of slot 4 (at 135^3 = 2,460,375).
    const auto position = static_cast<std::size_t>(input.Number(3) & 0x3FFFFF);
    std::u16string fragment;
    for (const char byte : input.Rest().substr(0, LongestFragment)) {
        const auto b = static_cast<unsigned char>(byte);
        fragment += b < 250 ? Alphabet::Machine().Text()[b % RowLength] : Outside[b - 250];
    }
    if (static_cast<std::size_t>(std::count_if(fragment.begin(), fragment.end(), [](char16_t c) {
            return Alphabet::Machine().Contains(c);
        })) < FewestSymbols)
        return 0;

    // The text before the fragment is not read by a search at a known position: it stands as spaces.
    RotorBank bank;
    FuzzCheck(bank.SetDirectly(RotorCatalogue::Shipped(), rotors, key), "any five alphabet symbols are a key");
    bank.Advance(static_cast<std::int64_t>(position));
    std::u16string ciphertext(position, u' ');
    ciphertext += fragment;
    bank.EncipherText(std::span<char16_t>(ciphertext).subspan(position));

    const AttackRequest request{fragment, position, ciphertext.size()};
    FuzzCheck(request.Check() == AttackProblem::None, "the request is one the window and the tool search");

    const RotorTables& tables = RotorTables::Shipped();
    KnownPlaintextAttack attack(tables);
    attack.SetThreads(1);
    attack.SetKeep(Keep);
    const AttackResult result = attack.Run(ciphertext, fragment, position);
    FuzzCheck(result.found >= 1 && !result.cancelled && !result.undecidable, "the setting that enciphered fits");
    if (result.found > result.settings.size())
        return 0;
    const bool found = std::any_of(result.settings.begin(), result.settings.end(), [&](const AttackSetting& setting) {
        if (std::find(setting.positions.begin(), setting.positions.end(), position) == setting.positions.end()
            || !std::equal(rotors.begin(), rotors.end(), setting.rotors.begin(), setting.rotors.end()))
            return false;
        for (int shift = 0; shift < RowLength; ++shift)
            if (setting.Key(tables, shift).Symbols() == key)
                return true;
        return false;
    });
    FuzzCheck(found, "the rotors, the key's class and the position are among the settings found");
    return 0;
}
