#include "TextCipher.h"

#include "Alphabet.h"
#include "Checked.h"
#include "RotorBank.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace velista {

namespace {

constexpr int N = RowLength;
constexpr std::uint8_t None = Alphabet::NotASymbol;

// v must lie in [-N, 2N).
inline int Wrap(int v)
{
    return v < 0 ? v + N : (v >= N ? v - N : v);
}

// Where each alphabet symbol stands in a row as copied, and which symbol stands at each copied position.
// Tables indexed by a symbol number have 256 places, so that NotASymbol is a valid index too.
struct RowPositions {
    std::array<std::uint8_t, 256> positionOf{};  // symbol number -> copied position
    std::array<std::uint8_t, N> symbolAt{};      // copied position -> symbol number

    explicit RowPositions(const RotorRow& row)
    {
        const Alphabet& alphabet = Alphabet::Machine();
        positionOf.fill(0);
        for (int p = 0; p < N; ++p) {
            const std::uint8_t a = alphabet.IndexOf(row[p]);
            if (a == None)
                ProgrammingError("a rotor row holds a character outside the alphabet");
            positionOf[a] = static_cast<std::uint8_t>(p);
            symbolAt[static_cast<std::size_t>(p)] = a;
        }
    }
};

// The copied rows of all five slots, and the turns of each slot now.
struct BankView {
    std::array<RowPositions, 5> entry;
    std::array<RowPositions, 5> exit;
    std::array<const Rotor*, 5> copied;

    explicit BankView(const RotorBank& bank)
        : entry{RowPositions(bank.Slot(1).Copied().EntryRow), RowPositions(bank.Slot(2).Copied().EntryRow),
                RowPositions(bank.Slot(3).Copied().EntryRow), RowPositions(bank.Slot(4).Copied().EntryRow),
                RowPositions(bank.Slot(5).Copied().EntryRow)}
        , exit{RowPositions(bank.Slot(1).Copied().ExitRow), RowPositions(bank.Slot(2).Copied().ExitRow),
               RowPositions(bank.Slot(3).Copied().ExitRow), RowPositions(bank.Slot(4).Copied().ExitRow),
               RowPositions(bank.Slot(5).Copied().ExitRow)}
        , copied{&bank.Slot(1).Copied(), &bank.Slot(2).Copied(), &bank.Slot(3).Copied(),
                 &bank.Slot(4).Copied(), &bank.Slot(5).Copied()}
    {
    }
};

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

// Runs over the text in stretches during which slots 2 to 5 stand still. Prepare(turns) is told the turns
// at the start of each stretch; Transform(c, t) gives the substitute of character c with slot 1 at t turns.
template <typename Direction>
std::size_t Run(RotorBank& bank, std::span<char16_t> text, unsigned& turned, Direction& direction)
{
    turned = 0;
    const Alphabet& alphabet = Alphabet::Machine();
    std::size_t passed = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const Turns turns(bank);
        direction.Prepare(turns);
        const std::size_t stretch = std::min<std::size_t>(text.size() - at,
                                                          static_cast<std::size_t>(N - bank.StepCounter(1)));
        int t = turns(1);
        for (std::size_t i = at; i < at + stretch; ++i) {
            const char16_t c = text[i];
            const std::uint8_t a = alphabet.IndexOf(c);
            const char16_t substitute = direction.Transform(a, t);
            // Select rather than branch: line breaks and punctuation are frequent and unpredictable.
            text[i] = a == None ? c : substitute;
            passed += a == None;
            t = t + 1 == N ? 0 : t + 1;
        }
        turned |= bank.Advance(static_cast<std::int64_t>(stretch));
        at += stretch;
    }
    return passed;
}

// Enciphering: x1 = slot 1 exit position; x(k+1) = M(k+1)[x(k) - o(k+1)] + o(k+1) for the middle
// slots; the result is slot 5's entry symbol at x4 - o5.
class Encipherment {
public:
    explicit Encipherment(const BankView& view)
        : view_(view)
    {
        for (int k = 2; k <= 4; ++k) {
            auto& m = middle_[static_cast<std::size_t>(k - 2)];
            const auto& entry = view.entry[static_cast<std::size_t>(k - 1)];
            const auto& exit = view.exit[static_cast<std::size_t>(k - 1)];
            for (int q = 0; q < N; ++q)
                m[static_cast<std::size_t>(q)] = exit.positionOf[entry.symbolAt[static_cast<std::size_t>(q)]];
        }
        exitOfSlot1_ = view.exit[0].positionOf;
    }

    void Prepare(const Turns& turns)
    {
        if (!slowKnown_ || !turns.SlowSlotsEqual(slow_)) {
            BuildSlow(turns);
            slow_ = turns;
            slowKnown_ = true;
        }
        const auto& m2 = middle_[0];
        const int o2 = turns(2);
        for (int x1 = 0; x1 < N; ++x1) {
            const int x2 = Wrap(m2[static_cast<std::size_t>(Wrap(x1 - o2))] + o2);
            const char16_t out = slow_out_[static_cast<std::size_t>(x2)];
            stretch_[static_cast<std::size_t>(x1)] = out;
            stretch_[static_cast<std::size_t>(x1 + N)] = out;
        }
    }

    // positionOf values are below N and t is below N, so the index stays inside the 2N places.
    char16_t Transform(std::uint8_t a, int t) const
    {
        return stretch_[static_cast<std::size_t>(exitOfSlot1_[a] + t)];
    }

private:
    void BuildSlow(const Turns& turns)
    {
        const int o3 = turns(3), o4 = turns(4), o5 = turns(5);
        const auto& m3 = middle_[1];
        const auto& m4 = middle_[2];
        const Rotor& fifth = *view_.copied[4];
        for (int x2 = 0; x2 < N; ++x2) {
            const int x3 = Wrap(m3[static_cast<std::size_t>(Wrap(x2 - o3))] + o3);
            const int x4 = Wrap(m4[static_cast<std::size_t>(Wrap(x3 - o4))] + o4);
            slow_out_[static_cast<std::size_t>(x2)] = fifth.EntryRow[Wrap(x4 - o5)];
        }
    }

    const BankView& view_;
    std::array<std::array<std::uint8_t, N>, 3> middle_{};  // slots 2, 3, 4
    std::array<std::uint8_t, 256> exitOfSlot1_{};
    std::array<char16_t, N> slow_out_{};
    std::array<char16_t, 2 * N> stretch_{};
    Turns slow_;
    bool slowKnown_ = false;
};

// Deciphering runs the other way: y5 = slot 5 entry position; y(k) = N(k)[y(k+1) - o(k)] + o(k) for
// the middle slots; the result is slot 1's exit symbol at y2 - o1.
class Decipherment {
public:
    explicit Decipherment(const BankView& view)
        : view_(view)
    {
        for (int k = 2; k <= 4; ++k) {
            auto& n = middle_[static_cast<std::size_t>(k - 2)];
            const auto& entry = view.entry[static_cast<std::size_t>(k - 1)];
            const auto& exit = view.exit[static_cast<std::size_t>(k - 1)];
            for (int q = 0; q < N; ++q)
                n[static_cast<std::size_t>(q)] = entry.positionOf[exit.symbolAt[static_cast<std::size_t>(q)]];
        }
        const Rotor& first = *view.copied[0];
        for (int j = 0; j < 2 * N; ++j)
            exitOfSlot1_[static_cast<std::size_t>(j)] = first.ExitRow[j % N];
    }

    void Prepare(const Turns& turns)
    {
        if (!slowKnown_ || !turns.SlowSlotsEqual(slow_)) {
            BuildSlow(turns);
            slow_ = turns;
            slowKnown_ = true;
        }
        const auto& n2 = middle_[0];
        const int o2 = turns(2);
        for (int a = 0; a < N; ++a) {
            const int y3 = slow_y3_[static_cast<std::size_t>(a)];
            stretch_[static_cast<std::size_t>(a)] =
                static_cast<std::uint8_t>(Wrap(n2[static_cast<std::size_t>(Wrap(y3 - o2))] + o2));
        }
    }

    // stretch_ values are below N and t is below N, so the index lies in 1 to 2N - 1.
    char16_t Transform(std::uint8_t a, int t) const
    {
        return exitOfSlot1_[static_cast<std::size_t>(stretch_[a] + N - t)];
    }

private:
    void BuildSlow(const Turns& turns)
    {
        const int o3 = turns(3), o4 = turns(4), o5 = turns(5);
        const auto& n3 = middle_[1];
        const auto& n4 = middle_[2];
        const auto& entryOfSlot5 = view_.entry[4].positionOf;
        for (int a = 0; a < N; ++a) {
            const int y5 = Wrap(entryOfSlot5[static_cast<std::size_t>(a)] + o5);
            const int y4 = Wrap(n4[static_cast<std::size_t>(Wrap(y5 - o4))] + o4);
            slow_y3_[static_cast<std::size_t>(a)] =
                static_cast<std::uint8_t>(Wrap(n3[static_cast<std::size_t>(Wrap(y4 - o3))] + o3));
        }
    }

    const BankView& view_;
    std::array<std::array<std::uint8_t, N>, 3> middle_{};  // slots 2, 3, 4
    std::array<char16_t, 2 * N> exitOfSlot1_{};
    std::array<std::uint8_t, N> slow_y3_{};
    std::array<std::uint8_t, 256> stretch_{};  // symbol number -> slot 1 exit position, turned
    Turns slow_;
    bool slowKnown_ = false;
};

}  // namespace

std::size_t TextCipher::Encipher(RotorBank& bank, std::span<char16_t> text, unsigned& turned)
{
    if (!bank.Complete())
        ProgrammingError("enciphering with a bank that is not installed");
    const BankView view(bank);
    Encipherment encipherment(view);
    return Run(bank, text, turned, encipherment);
}

std::size_t TextCipher::Decipher(RotorBank& bank, std::span<char16_t> text, unsigned& turned)
{
    if (!bank.Complete())
        ProgrammingError("deciphering with a bank that is not installed");
    const BankView view(bank);
    Decipherment decipherment(view);
    return Run(bank, text, turned, decipherment);
}

}  // namespace velista
