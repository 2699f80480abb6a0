// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/TextCipher.h"

#include "machine/Checked.h"
#include "machine/RotorBank.h"
#include "machine/Windows1251.h"

#include <algorithm>
#include <optional>

namespace velista {

namespace {

constexpr int N = RowLength;
constexpr std::uint8_t Outside = TextCipher::Wiring::Outside;

// v must lie in [-N, 2N).
inline int Wrap(int v)
{
    return v < 0 ? v + N : (v >= N ? v - N : v);
}

// Copies the first N places of a table over the rest, so that positions past N need no wrapping.
template <typename T, std::size_t Size>
void Repeat(std::array<T, Size>& table)
{
    static_assert(Size % N == 0);
    for (std::size_t copy = N; copy < Size; copy += N)
        std::copy_n(table.begin(), N, table.begin() + static_cast<std::ptrdiff_t>(copy));
}

struct Turns {
    std::array<int, 5> of{};  // of[k - 1]: turns of slot k

    Turns() = default;
    explicit Turns(const RotorBank& bank)
    {
        for (std::int16_t k = 1; k <= SlotCount; ++k)
            of[static_cast<std::size_t>(k - 1)] = bank.Slot(k).Turns();
    }
    int operator()(int slot) const { return of[static_cast<std::size_t>(slot - 1)]; }
    bool SlowSlotsEqual(const Turns& other) const
    {
        return of[2] == other.of[2] && of[3] == other.of[3] && of[4] == other.of[4];
    }
};

// A position through one of the middle slots, turned by o: the row maps the position relative to the slot, and
// the result is turned back with it.
template <typename Row>
int Through(const Row& row, int x, int o)
{
    return Wrap(row[static_cast<std::size_t>(Wrap(x - o))] + o);
}

// Slots 3 to 5 stand still for 18,225 steps at a time; a direction builds their part of its tables again only
// when one of them has moved.
class SlowSlots {
public:
    bool Moved(const Turns& turns)
    {
        if (known_ && turns.SlowSlotsEqual(turns_))
            return false;
        turns_ = turns;
        known_ = true;
        return true;
    }

private:
    Turns turns_;
    bool known_ = false;
};

// Where a direction finds the tables for its kind of character.
template <typename Char>
struct Tables;

template <>
struct Tables<char16_t> {
    static const std::uint8_t* Slot1Exit(const TextCipher::Wiring& w) { return w.slot1Exit.data(); }
    static const std::uint8_t* Slot5Entry(const TextCipher::Wiring& w) { return w.slot5Entry.data(); }
    static const auto& Slot5EntryRow(const TextCipher::Wiring& w) { return w.slot5EntryRow; }
    static const auto& Slot1ExitRow(const TextCipher::Wiring& w) { return w.slot1ExitRow; }
};

template <>
struct Tables<std::uint8_t> {
    static const std::uint8_t* Slot1Exit(const TextCipher::Wiring& w) { return w.slot1ExitByte.data(); }
    static const std::uint8_t* Slot5Entry(const TextCipher::Wiring& w) { return w.slot5EntryByte.data(); }
    static const auto& Slot5EntryRow(const TextCipher::Wiring& w) { return w.slot5EntryRowBytes; }
    static const auto& Slot1ExitRow(const TextCipher::Wiring& w) { return w.slot1ExitRowBytes; }
};

// Runs over the text in stretches during which slots 2 to 5 stand still. The direction is told the turns
// at the start of each stretch (Prepare) and then transforms the stretch (Stretch) with slot 1 turning
// once per position.
template <typename Char, typename Direction>
TextResult Run(RotorBank& bank, std::span<Char> text, Direction& direction)
{
    TextResult result;
    std::size_t at = 0;
    while (at < text.size()) {
        const Turns turns(bank);
        direction.Prepare(turns);
        const std::size_t stretch = std::min<std::size_t>(text.size() - at,
                                                          static_cast<std::size_t>(N - bank.StepCounter(1)));
        result.passed += direction.Stretch(text.data() + at, static_cast<int>(stretch), turns(1));
        result.turned |= bank.Advance(static_cast<std::int64_t>(stretch));
        at += stretch;
    }
    return result;
}

// Enciphering: x1 = slot 1 exit position; x(k+1) = M(k+1)[x(k) - o(k+1)] + o(k+1) for the middle
// slots, all modulo N; the result is slot 5's entry symbol at x4 - o5.
template <typename Char>
class Encipherment {
public:
    explicit Encipherment(const TextCipher::Wiring& wiring)
        : wiring_(wiring)
    {
    }

    // stretch_[q] is what slots 2 to 5 make of slot 1 exit position q + o2.
    void Prepare(const Turns& turns)
    {
        if (slow_.Moved(turns))
            BuildSlow(turns);
        o2_ = turns(2);
        // Locals: a store of a byte may alias any member, and the profile showed the loop reloading them.
        const std::uint8_t* const m2 = wiring_.entryToExit[0].data();
        const Char* const slowOut = slowOut_.data() + o2_;
        Char* const stretch = stretch_.data();
        for (std::size_t q = 0; q < N; ++q)
            stretch[q] = slowOut[m2[q]];
        Repeat(stretch_);
    }

    // Slot 1 exit position x = position + t0 + j reads stretch_ at N + x - o2, which stays inside its 5N
    // places since t0, j and o2 are each below N and position is below N or is Outside (255 < 2N).
    std::size_t Stretch(Char* text, int length, int t0) const
    {
        const std::uint8_t* exitPosition = Tables<Char>::Slot1Exit(wiring_);
        // Moves one place on with every position, as slot 1 turns once a step.
        const Char* substitutes = stretch_.data() + N + t0 - o2_;
        std::size_t passed = 0;
        for (Char* out = text; out != text + length; ++out, ++substitutes) {
            const Char c = *out;
            const std::size_t position = exitPosition[c];
            const Char substitute = substitutes[position];
            const bool outside = position == Outside;
            *out = outside ? c : substitute;
            passed += outside;
        }
        return passed;
    }

private:
    void BuildSlow(const Turns& turns)
    {
        const int o3 = turns(3), o4 = turns(4), o5 = turns(5);
        const auto& m3 = wiring_.entryToExit[1];
        const auto& m4 = wiring_.entryToExit[2];
        const auto& slot5Entry = Tables<Char>::Slot5EntryRow(wiring_);
        for (int x2 = 0; x2 < N; ++x2) {
            const int x4 = Through(m4, Through(m3, x2, o3), o4);
            slowOut_[static_cast<std::size_t>(x2)] = slot5Entry[static_cast<std::size_t>(Wrap(x4 - o5))];
        }
        Repeat(slowOut_);
    }

    const TextCipher::Wiring& wiring_;
    std::array<Char, 2 * N> slowOut_{};  // slot 2 exit position -> result
    std::array<Char, 5 * N> stretch_{};
    int o2_ = 0;
    SlowSlots slow_;
};

// Deciphering runs the other way: y5 = slot 5 entry position; y(k) = N(k)[y(k+1) - o(k)] + o(k) for
// the middle slots, all modulo N; the result is slot 1's exit symbol at y2 - o1.
template <typename Char>
class Decipherment {
public:
    explicit Decipherment(const TextCipher::Wiring& wiring)
        : wiring_(wiring)
    {
        std::copy_n(wiring.exitToEntry[0].begin(), N, slot2_.begin());
        Repeat(slot2_);
        std::copy_n(Tables<Char>::Slot1ExitRow(wiring).begin(), N, slot1Exit_.begin());
        Repeat(slot1Exit_);
    }

    // stretch_[p] is where the symbol at slot 5 entry position p leaves slot 2's entry row, plus a
    // multiple of N: below 2N.
    void Prepare(const Turns& turns)
    {
        if (slow_.Moved(turns))
            BuildSlow(turns);
        const int o2 = turns(2);
        const std::uint8_t* const slot2 = slot2_.data() + N - o2;
        const std::uint8_t* const slowY3 = slowY3_.data();
        std::uint16_t* const stretch = stretch_.data();
        for (std::size_t p = 0; p < N; ++p)
            stretch[p] = static_cast<std::uint16_t>(slot2[slowY3[p]] + o2);
    }

    // Slot 1 at t0 + j turns gives exit position y the symbol of copied position y - t0 - j, which lies
    // between -2N and 2N: base, 2N into the 4N places, keeps every index inside them. Outside reads
    // stretch_'s zeros past N.
    std::size_t Stretch(Char* text, int length, int t0) const
    {
        const std::uint8_t* entryPosition = Tables<Char>::Slot5Entry(wiring_);
        const std::uint16_t* toSlot1 = stretch_.data();
        // Moves one place back with every position, as slot 1 turns once a step.
        const Char* base = slot1Exit_.data() + 2 * N - t0;
        std::size_t passed = 0;
        for (Char* out = text; out != text + length; ++out, --base) {
            const Char c = *out;
            const std::size_t position = entryPosition[c];
            const Char substitute = base[toSlot1[position]];
            const bool outside = position == Outside;
            *out = outside ? c : substitute;
            passed += outside;
        }
        return passed;
    }

private:
    void BuildSlow(const Turns& turns)
    {
        const int o3 = turns(3), o4 = turns(4), o5 = turns(5);
        const auto& n3 = wiring_.exitToEntry[1];
        const auto& n4 = wiring_.exitToEntry[2];
        for (int p = 0; p < N; ++p) {
            const int y4 = Through(n4, Wrap(p + o5), o4);
            slowY3_[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(Through(n3, y4, o3));
        }
    }

    const TextCipher::Wiring& wiring_;
    std::array<std::uint8_t, 2 * N> slot2_{};
    std::array<Char, 4 * N> slot1Exit_{};
    std::array<std::uint8_t, N> slowY3_{};      // slot 5 entry position -> slot 3 entry position
    std::array<std::uint16_t, 256> stretch_{};  // slot 5 entry position -> slot 2 entry position
    SlowSlots slow_;
};

// Character -> position in the row, or Outside.
std::vector<std::uint8_t> PositionsOf(const RotorRow& row)
{
    std::vector<std::uint8_t> positions(65536, Outside);
    for (int p = 0; p < N; ++p)
        positions[row[p]] = static_cast<std::uint8_t>(p);
    return positions;
}

// The Windows-1251 byte of an alphabet symbol; every one has a byte.
std::uint8_t ByteOf(Symbol symbol)
{
    const std::optional<unsigned char> byte = Windows1251::Encode(symbol);
    if (!byte)
        ProgrammingError("a rotor symbol that Windows-1251 cannot hold");
    return *byte;
}

// Byte -> position in the row, or Outside.
std::array<std::uint8_t, 256> BytePositionsOf(const RotorRow& row)
{
    std::array<std::uint8_t, 256> positions;
    positions.fill(Outside);
    for (int p = 0; p < N; ++p)
        positions[ByteOf(row[p])] = static_cast<std::uint8_t>(p);
    return positions;
}

template <typename Char, template <typename> class Direction>
TextResult Transform(const TextCipher::Wiring& wiring, RotorBank& bank, std::span<Char> text)
{
    Direction<Char> direction(wiring);
    return Run(bank, text, direction);
}

}  // namespace

const TextCipher::Wiring& TextCipher::WiringOf(const RotorBank& bank)
{
    if (!bank.Complete())
        ProgrammingError("a whole text through a bank that is not installed");
    if (wiring_.loads == bank.Loads())
        return wiring_;
    wiring_.slot1Exit = PositionsOf(bank.Slot(1).Copied().ExitRow);
    wiring_.slot5Entry = PositionsOf(bank.Slot(5).Copied().EntryRow);
    for (std::int16_t k = 2; k <= 4; ++k) {
        const Rotor& rotor = bank.Slot(k).Copied();
        const std::vector<std::uint8_t> entry = PositionsOf(rotor.EntryRow);
        const std::vector<std::uint8_t> exit = PositionsOf(rotor.ExitRow);
        auto& entryToExit = wiring_.entryToExit[static_cast<std::size_t>(k - 2)];
        auto& exitToEntry = wiring_.exitToEntry[static_cast<std::size_t>(k - 2)];
        for (int q = 0; q < N; ++q) {
            entryToExit[static_cast<std::size_t>(q)] = exit[rotor.EntryRow[q]];
            exitToEntry[static_cast<std::size_t>(q)] = entry[rotor.ExitRow[q]];
        }
    }
    wiring_.slot1ExitByte = BytePositionsOf(bank.Slot(1).Copied().ExitRow);
    wiring_.slot5EntryByte = BytePositionsOf(bank.Slot(5).Copied().EntryRow);
    for (int p = 0; p < N; ++p) {
        const auto at = static_cast<std::size_t>(p);
        wiring_.slot5EntryRow[at] = bank.Slot(5).Copied().EntryRow[p];
        wiring_.slot1ExitRow[at] = bank.Slot(1).Copied().ExitRow[p];
        wiring_.slot5EntryRowBytes[at] = ByteOf(wiring_.slot5EntryRow[at]);
        wiring_.slot1ExitRowBytes[at] = ByteOf(wiring_.slot1ExitRow[at]);
    }
    wiring_.loads = bank.Loads();
    return wiring_;
}

TextResult TextCipher::Encipher(RotorBank& bank, std::span<char16_t> text)
{
    return Transform<char16_t, Encipherment>(WiringOf(bank), bank, text);
}

TextResult TextCipher::Decipher(RotorBank& bank, std::span<char16_t> text)
{
    return Transform<char16_t, Decipherment>(WiringOf(bank), bank, text);
}

TextResult TextCipher::Encipher(RotorBank& bank, std::span<std::uint8_t> bytes)
{
    return Transform<std::uint8_t, Encipherment>(WiringOf(bank), bank, bytes);
}

TextResult TextCipher::Decipher(RotorBank& bank, std::span<std::uint8_t> bytes)
{
    return Transform<std::uint8_t, Decipherment>(WiringOf(bank), bank, bytes);
}

}  // namespace velista
