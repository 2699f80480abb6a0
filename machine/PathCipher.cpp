// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/PathCipher.h"

#include "machine/Checked.h"
#include "machine/ChunkKernels.h"
#include "machine/RotorBank.h"
#include "machine/Windows1251.h"

#include <algorithm>
#include <optional>
#include <type_traits>

namespace velista {

namespace {

constexpr int N = RowLength;
constexpr std::uint8_t Outside = TextCipher::Wiring::Outside;

// v mod N for v in [-N, 2N), looked up: as comparisons, GCC made branches, which the tables' random
// places mispredicted about seven times a place; preparing a stretch's tables then took a tenth of the
// AVX2 loop's time.
constexpr std::array<std::uint8_t, 3 * N> Modulo = [] {
    std::array<std::uint8_t, 3 * N> table{};
    for (int v = 0; v < 3 * N; ++v)
        table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(v % N);
    return table;
}();

// v must lie in [-N, 2N).
inline int Wrap(int v)
{
    return Modulo[static_cast<std::size_t>(v + N)];
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

// A row of 135 places laid out as many times over as the table holds.
template <typename T, std::size_t Size>
void Fill(std::array<T, Size>& table, const T* row)
{
    std::copy_n(row, N, table.begin());
    Repeat(table);
}

// The scalar byte loop's wide tables (see CipherChunk). Middle and last begin with the narrow tables'
// layouts; then every byte outside the alphabet gets middleSpan places of middle, each leading to the start
// of lastSpan places of last that hold the byte. The spans cover every offset a direction's loop adds.
class WideBytes {
public:
    WideBytes(const std::array<std::uint8_t, 256>& positions, const std::array<std::uint8_t, 4 * N>& narrowMiddle,
              std::size_t middleSpan, std::size_t lastSpan)
        : positions_(positions)
        , middle_(narrowMiddle.begin(), narrowMiddle.end())
        , last_(3 * N, 0)
    {
        static_assert(4 * N == CipherChunk::WideOutside, "the first byte outside the alphabet leads past the narrow middle");
        for (std::size_t b = 0; b < positions.size(); ++b) {
            if (positions[b] != Outside)
                continue;
            first_[b] = Place(middle_.size());
            middle_.insert(middle_.end(), middleSpan, Place(last_.size()));
            last_.insert(last_.end(), lastSpan, static_cast<std::uint8_t>(b));
        }
    }

    // The alphabet's bytes' first answers, from the narrow first table.
    void SetFirst(const std::array<std::uint8_t, 256>& narrowFirst)
    {
        for (std::size_t b = 0; b < positions_.size(); ++b)
            if (positions_[b] != Outside)
                first_[b] = narrowFirst[b];
    }
    void SetLast(const std::array<std::uint8_t, 3 * N>& narrowLast)
    {
        std::copy(narrowLast.begin(), narrowLast.end(), last_.begin());
    }
    void Show(CipherChunk& chunk) const
    {
        chunk.wideFirst = first_.data();
        chunk.wideMiddle = middle_.data();
        chunk.wideLast = last_.data();
    }

private:
    static std::uint16_t Place(std::size_t place)
    {
        if (place > 0xFFFF)
            ProgrammingError("a wide table past 16-bit places");
        return static_cast<std::uint16_t>(place);
    }

    const std::array<std::uint8_t, 256>& positions_;
    std::array<std::uint16_t, 256> first_{};
    std::vector<std::uint16_t> middle_;
    std::vector<std::uint8_t> last_;
};

// Position -> itself, for the UTF-16 path of enciphering, whose first lookup is the position.
const std::array<std::uint8_t, 256>& SamePosition()
{
    static const std::array<std::uint8_t, 256> same = [] {
        std::array<std::uint8_t, 256> table;
        table.fill(Outside);
        for (int p = 0; p < N; ++p)
            table[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(p);
        return table;
    }();
    return same;
}

// Whether a symbol can go through the byte tables from UTF-16 by arithmetic (see CipherChunk).
bool Narrowable(Symbol symbol)
{
    return symbol < 0x80 || (symbol >= u'А' && symbol <= u'я');
}

// Every symbol of slot 1's exit row and slot 5's entry row can; worked out for every whole text, as the
// wiring keeps no more than the bank's rows (270 comparisons).
bool NarrowableRows(const TextCipher::Wiring& wiring)
{
    return std::all_of(wiring.slot1ExitRow.begin(), wiring.slot1ExitRow.end(), Narrowable) &&
           std::all_of(wiring.slot5EntryRow.begin(), wiring.slot5EntryRow.end(), Narrowable);
}

// Runs over the text in stretches during which slots 3 to 5 stand still (up to 18,225 steps). The
// direction is told the turns at the start of each (Prepare) and gives the tables; the path's loop then
// transforms the stretch with slots 1 and 2 turning as the counters say.
template <typename Char, typename Direction>
TextResult Run(RotorBank& bank, std::span<Char> text, Direction& direction, const ChunkKernels& kernels)
{
    TextResult result;
    std::size_t at = 0;
    while (at < text.size()) {
        const Turns turns(bank);
        const int c1 = bank.StepCounter(1), c2 = bank.StepCounter(2);
        const std::size_t length =
            std::min<std::size_t>(text.size() - at, static_cast<std::size_t>((N - c1) + (N - 1 - c2) * N));
        CipherChunk& chunk = direction.Prepare(turns);
        chunk.t1 = turns(1);
        chunk.o2 = turns(2);
        chunk.c1 = c1;
        if constexpr (std::is_same_v<Char, char16_t>) {
            const auto loop = chunk.narrowable ? kernels.text : ScalarChunkText;
            result.passed += loop(chunk, text.data() + at, length);
        } else {
            result.passed += kernels.bytes(chunk, text.data() + at, length);
        }
        result.turned |= bank.Advance(static_cast<std::int64_t>(length));
        at += length;
    }
    return result;
}

// Enciphering: x1 = slot 1 exit position; x(k+1) = M(k+1)[x(k) - o(k+1)] + o(k+1) for the middle slots,
// all modulo N; the result is slot 5's entry symbol at x4 - o5. Slots 3 to 5 fold into the last table.
class Encipherment {
public:
    // wide: build the scalar byte loop's tables too. Enciphering adds up to 2N - 2 to a middle place, then
    // up to N - 1 to a last place.
    Encipherment(const TextCipher::Wiring& wiring, bool wide)
        : wiring_(wiring)
    {
        Fill(middle_, wiring.entryToExit[0].data());
        if (wide) {
            wide_.emplace(wiring.slot1ExitByte, middle_, 2 * N, N);
            wide_->SetFirst(wiring.slot1ExitByte);
            wide_->Show(chunk_);
        }
        chunk_.encipher = true;
        chunk_.firstByte = wiring.slot1ExitByte.data();
        chunk_.charPosition = wiring.slot1Exit.data();
        chunk_.positionFirst = SamePosition().data();
        chunk_.middle = middle_.data();
        chunk_.lastByte = lastBytes_.data();
        chunk_.lastChar = lastChars_.data();
        chunk_.narrowable = NarrowableRows(wiring);
    }

    CipherChunk& Prepare(const Turns& turns)
    {
        if (!slow_.Moved(turns))
            return chunk_;
        const int o3 = turns(3), o4 = turns(4), o5 = turns(5);
        const auto& m3 = wiring_.entryToExit[1];
        const auto& m4 = wiring_.entryToExit[2];
        for (int x2 = 0; x2 < N; ++x2) {
            const auto x5 = static_cast<std::size_t>(Wrap(Through(m4, Through(m3, x2, o3), o4) - o5));
            lastChars_[static_cast<std::size_t>(x2)] = wiring_.slot5EntryRow[x5];
            lastBytes_[static_cast<std::size_t>(x2)] = wiring_.slot5EntryRowBytes[x5];
        }
        Repeat(lastChars_);
        Repeat(lastBytes_);
        if (wide_)
            wide_->SetLast(lastBytes_);
        return chunk_;
    }

private:
    const TextCipher::Wiring& wiring_;
    std::array<std::uint8_t, 4 * N> middle_{};
    std::array<std::uint8_t, 3 * N> lastBytes_{};
    std::array<char16_t, 3 * N> lastChars_{};
    std::optional<WideBytes> wide_;
    CipherChunk chunk_;
    SlowSlots slow_;
};

// Deciphering runs the other way: y5 = slot 5 entry position; y(k) = N(k)[y(k+1) - o(k)] + o(k) for the
// middle slots, all modulo N; the result is slot 1's exit symbol at y2 - o1. Slots 3 to 5 fold into the
// first table.
class Decipherment {
public:
    // wide: build the scalar byte loop's tables too. Deciphering adds up to N - 1 to a middle place, then
    // between 1 and 2N - 1 to a last place.
    Decipherment(const TextCipher::Wiring& wiring, bool wide)
        : wiring_(wiring)
    {
        Fill(middle_, wiring.exitToEntry[0].data());
        Fill(lastBytes_, wiring.slot1ExitRowBytes.data());
        Fill(lastChars_, wiring.slot1ExitRow.data());
        positionFirst_.fill(Outside);
        if (wide) {
            wide_.emplace(wiring.slot5EntryByte, middle_, N, 2 * N);
            wide_->SetLast(lastBytes_);
            wide_->Show(chunk_);
        }
        chunk_.encipher = false;
        chunk_.firstByte = firstBytes_.data();
        chunk_.charPosition = wiring.slot5Entry.data();
        chunk_.positionFirst = positionFirst_.data();
        chunk_.middle = middle_.data();
        chunk_.lastByte = lastBytes_.data();
        chunk_.lastChar = lastChars_.data();
        chunk_.narrowable = NarrowableRows(wiring);
    }

    CipherChunk& Prepare(const Turns& turns)
    {
        if (!slow_.Moved(turns))
            return chunk_;
        const int o3 = turns(3), o4 = turns(4), o5 = turns(5);
        const auto& n3 = wiring_.exitToEntry[1];
        const auto& n4 = wiring_.exitToEntry[2];
        for (int p = 0; p < N; ++p) {
            const int y4 = Through(n4, Wrap(p + o5), o4);
            positionFirst_[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(Through(n3, y4, o3));
        }
        for (std::size_t b = 0; b < firstBytes_.size(); ++b)
            firstBytes_[b] = positionFirst_[wiring_.slot5EntryByte[b]];
        if (wide_)
            wide_->SetFirst(firstBytes_);
        return chunk_;
    }

private:
    const TextCipher::Wiring& wiring_;
    std::array<std::uint8_t, 4 * N> middle_{};
    std::array<std::uint8_t, 3 * N> lastBytes_{};
    std::array<char16_t, 3 * N> lastChars_{};
    // Slot 5 entry position -> slot 3 entry position, Outside -> Outside; and the same from the byte.
    std::array<std::uint8_t, 256> positionFirst_{}, firstBytes_{};
    std::optional<WideBytes> wide_;
    CipherChunk chunk_;
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

template <typename Direction, typename Char>
TextResult Transform(const TextCipher::Wiring& wiring, CipherPath path, RotorBank& bank, std::span<Char> text)
{
    // Only the scalar byte loop reads the wide tables; they take about 100 KB, made at every call.
    Direction direction(wiring, std::is_same_v<Char, std::uint8_t> && path == CipherPath::Scalar);
    return Run(bank, text, direction, ChunkKernels::Of(path));
}

}  // namespace

PathCipher::PathCipher(CipherPath path)
    : path_(path)
{
    if (!ProcessorRuns(path))
        ProgrammingError("a cipher path this processor or build cannot run");
}

void PathCipher::Rewire(TextCipher::Wiring& wiring, const RotorBank& bank)
{
    if (!bank.Complete())
        ProgrammingError("a whole text through a bank that is not installed");
    if (wiring.loads == bank.Loads())
        return;
    wiring.slot1Exit = PositionsOf(bank.Slot(1).Copied().ExitRow);
    wiring.slot5Entry = PositionsOf(bank.Slot(5).Copied().EntryRow);
    for (std::int16_t k = 2; k <= 4; ++k) {
        const Rotor& rotor = bank.Slot(k).Copied();
        const std::vector<std::uint8_t> entry = PositionsOf(rotor.EntryRow);
        const std::vector<std::uint8_t> exit = PositionsOf(rotor.ExitRow);
        auto& entryToExit = wiring.entryToExit[static_cast<std::size_t>(k - 2)];
        auto& exitToEntry = wiring.exitToEntry[static_cast<std::size_t>(k - 2)];
        for (int q = 0; q < N; ++q) {
            entryToExit[static_cast<std::size_t>(q)] = exit[rotor.EntryRow[q]];
            exitToEntry[static_cast<std::size_t>(q)] = entry[rotor.ExitRow[q]];
        }
    }
    wiring.slot1ExitByte = BytePositionsOf(bank.Slot(1).Copied().ExitRow);
    wiring.slot5EntryByte = BytePositionsOf(bank.Slot(5).Copied().EntryRow);
    for (int p = 0; p < N; ++p) {
        const auto at = static_cast<std::size_t>(p);
        wiring.slot5EntryRow[at] = bank.Slot(5).Copied().EntryRow[p];
        wiring.slot1ExitRow[at] = bank.Slot(1).Copied().ExitRow[p];
        wiring.slot5EntryRowBytes[at] = ByteOf(wiring.slot5EntryRow[at]);
        wiring.slot1ExitRowBytes[at] = ByteOf(wiring.slot1ExitRow[at]);
    }
    wiring.loads = bank.Loads();
}

TextResult PathCipher::Run(const TextCipher::Wiring& wiring, CipherPath path, RotorBank& bank,
                           std::span<char16_t> text, CipherDirection direction)
{
    return direction == CipherDirection::Encipher ? Transform<Encipherment>(wiring, path, bank, text)
                                                  : Transform<Decipherment>(wiring, path, bank, text);
}

TextResult PathCipher::Run(const TextCipher::Wiring& wiring, CipherPath path, RotorBank& bank,
                           std::span<std::uint8_t> bytes, CipherDirection direction)
{
    return direction == CipherDirection::Encipher ? Transform<Encipherment>(wiring, path, bank, bytes)
                                                  : Transform<Decipherment>(wiring, path, bank, bytes);
}

TextResult PathCipher::Encipher(RotorBank& bank, std::span<char16_t> text)
{
    Rewire(wiring_, bank);
    return Run(wiring_, path_, bank, text, CipherDirection::Encipher);
}

TextResult PathCipher::Decipher(RotorBank& bank, std::span<char16_t> text)
{
    Rewire(wiring_, bank);
    return Run(wiring_, path_, bank, text, CipherDirection::Decipher);
}

TextResult PathCipher::Encipher(RotorBank& bank, std::span<std::uint8_t> bytes)
{
    Rewire(wiring_, bank);
    return Run(wiring_, path_, bank, bytes, CipherDirection::Encipher);
}

TextResult PathCipher::Decipher(RotorBank& bank, std::span<std::uint8_t> bytes)
{
    Rewire(wiring_, bank);
    return Run(wiring_, path_, bank, bytes, CipherDirection::Decipher);
}

}  // namespace velista
