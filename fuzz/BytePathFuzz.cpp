// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-text paths against the machine symbol by symbol: for any rotors, key, starting step and text, the
// Windows-1251 bytes (in two pieces, as the tool's reads cut them) and UTF-16 give the characters, the count of
// passed characters, the slots turned and the bank after that the symbol-by-symbol machine gives.
// Input: five rotor bytes, five key bytes (symbols of the alphabet), three bytes of starting step, a byte whose
// low bit chooses deciphering and whose second bit UTF-16 text of any code unit, two bytes of where the piece is
// cut, then the text (bytes, or pairs of bytes as code units).

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzSetting.h"

#include "machine/Alphabet.h"
#include "machine/RotorBank.h"
#include "machine/Windows1251.h"

#include <array>
#include <span>
#include <string>
#include <vector>

using namespace velista;
using velista::fuzz::FuzzCheck;

namespace {

bool SameBank(const RotorBank& a, const RotorBank& b)
{
    for (std::int16_t k = 1; k <= SlotCount; ++k)
        if (a.Slot(k).Turns() != b.Slot(k).Turns() || a.StepCounter(k) != b.StepCounter(k))
            return false;
    return true;
}

// The machine as a run without the fast path moves it: each alphabet symbol through the four hops, then one step.
TextResult SymbolBySymbol(RotorBank& bank, std::u16string& text, bool decipher)
{
    TextResult result;
    for (char16_t& c : text) {
        if (Alphabet::Machine().Contains(c))
            c = decipher ? bank.DecipherSymbol(c) : bank.EncipherSymbol(c);
        else
            ++result.passed;
        result.turned |= bank.Step();
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    // Named, not a structured binding: clang 14 does not let a lambda capture one.
    const fuzz::FuzzSetting sought = fuzz::FuzzSetting::Read(input);
    const auto& rotors = sought.rotors;
    const std::u16string& key = sought.key;
    // Up to 2^22 steps, past the first turn of slot 4 (at 135^3 = 2,460,375 steps). Slot 5 turns every
    // 135^4 ≈ 3.3·10^8 steps, too far for Advance, which makes at most 135 at a time, in a fuzz run's time.
    const auto start = static_cast<std::int64_t>(input.Number(3) & 0x3FFFFF);
    const std::uint8_t mode = input.Byte();
    const bool decipher = mode & 1, utf16 = mode & 2;
    const std::size_t cut = input.Number(2);

    RotorBank bank;
    FuzzCheck(bank.SetDirectly(RotorCatalogue::Shipped(), rotors, key), "any five alphabet symbols are a key");
    bank.Advance(start);

    std::u16string text;
    const std::string_view rest = input.Rest();
    if (utf16) {
        for (std::size_t i = 0; i + 1 < rest.size(); i += 2)
            text += static_cast<char16_t>(static_cast<unsigned char>(rest[i]) | static_cast<unsigned char>(rest[i + 1]) << 8);
    } else {
        text = Windows1251::Decode(rest);
    }

    RotorBank bySymbols = bank;
    std::u16string expected = text;
    const TextResult symbols = SymbolBySymbol(bySymbols, expected, decipher);

    RotorBank byText = bank;
    std::u16string whole = text;
    const TextResult fromText = decipher ? byText.DecipherText(whole) : byText.EncipherText(whole);
    FuzzCheck(whole == expected, "UTF-16 path: the characters of the machine symbol by symbol");
    FuzzCheck(fromText.passed == symbols.passed && fromText.turned == symbols.turned,
              "UTF-16 path: the passed characters and the slots turned");
    FuzzCheck(SameBank(byText, bySymbols), "UTF-16 path: the bank after");
    if (utf16)
        return 0;

    RotorBank byBytes = bank;
    std::vector<std::uint8_t> bytes(rest.begin(), rest.end());
    TextResult fromBytes;
    const std::span<std::uint8_t> all(bytes);
    for (const std::span<std::uint8_t> piece : {all.first(std::min(cut, all.size())), all.subspan(std::min(cut, all.size()))}) {
        const TextResult result = decipher ? byBytes.DecipherBytes(piece) : byBytes.EncipherBytes(piece);
        fromBytes.passed += result.passed;
        fromBytes.turned |= result.turned;
    }
    FuzzCheck(Windows1251::Decode(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())) == expected,
              "byte path: the characters of the machine symbol by symbol");
    FuzzCheck(fromBytes.passed == symbols.passed && fromBytes.turned == symbols.turned,
              "byte path: the passed characters and the slots turned");
    FuzzCheck(SameBank(byBytes, bySymbols), "byte path: the bank after");
    return 0;
}
