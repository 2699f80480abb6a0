// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the machine enciphers and deciphers whole texts, in symbols per second, beside a tuned
// scalar loop over the same bank: through the bank (the path chosen for this processor, named in the
// context lines) and through each cipher path by name (Path/<direction>/<form>/<path>).

#include "bench/SampleText.h"

#include "machine/Alphabet.h"
#include "machine/RotorBank.h"
#include "machine/PathCipher.h"
#include "machine/Windows1251.h"
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace velista;

RotorBank InstalledBank()
{
    RotorBank bank;
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), {7, 3, 9, 1, 5}, u"Ключ1"))
        std::abort();
    return bank;
}

template <bool Encipher>
void WholeText(benchmark::State& state, bool lineBreaks)
{
    RotorBank bank = InstalledBank();
    std::u16string text = Windows1251::Decode(bench::RussianText(1 << 20, lineBreaks));
    for (auto _ : state) {
        if constexpr (Encipher)
            bank.EncipherText(text);
        else
            bank.DecipherText(text);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

template <bool Encipher>
void WholeBytes(benchmark::State& state)
{
    RotorBank bank = InstalledBank();
    const std::string sample = bench::RussianText(1 << 20);
    std::vector<std::uint8_t> bytes(sample.begin(), sample.end());
    for (auto _ : state) {
        if constexpr (Encipher)
            bank.EncipherBytes(bytes);
        else
            bank.DecipherBytes(bytes);
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

// One cipher path by name, on the same 1 MiB of Russian text with line breaks, as bytes or as UTF-16.
template <typename Char>
void OnePath(benchmark::State& state, CipherPath path, bool encipher)
{
    if (!ProcessorRuns(path)) {
        state.SkipWithError("this processor or build does not run the path");
        return;
    }
    PathCipher cipher(path);
    RotorBank bank = InstalledBank();
    const std::string sample = bench::RussianText(1 << 20);
    std::vector<Char> text;
    if constexpr (sizeof(Char) == 1) {
        text.assign(sample.begin(), sample.end());
    } else {
        const std::u16string decoded = Windows1251::Decode(sample);
        text.assign(decoded.begin(), decoded.end());
    }
    for (auto _ : state) {
        const std::span<Char> all(text.data(), text.size());
        benchmark::DoNotOptimize(encipher ? cipher.Encipher(bank, all) : cipher.Decipher(bank, all));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void EncipherText(benchmark::State& state) { WholeText<true>(state, true); }
void DecipherText(benchmark::State& state) { WholeText<false>(state, true); }
void EncipherOneLine(benchmark::State& state) { WholeText<true>(state, false); }
void EncipherBytes(benchmark::State& state) { WholeBytes<true>(state); }
void DecipherBytes(benchmark::State& state) { WholeBytes<false>(state); }

// The yardstick for the whole-text paths: a plain loop over Windows-1251 bytes with two lookups a symbol.
// While slots 2 to 5 stand still (135 steps), a table maps slot 1's exit position to the result; it is
// laid out three times over so that position + turns + step needs no modulo. What slots 3 to 5 make of
// slot 2's exit position is kept until one of them turns (every 18,225 steps).
void TunedScalarLoop(benchmark::State& state)
{
    constexpr int N = RowLength;
    constexpr std::uint8_t Outside = 255;
    RotorBank bank = InstalledBank();
    const std::string sample = bench::RussianText(1 << 20);
    std::vector<std::uint8_t> bytes(sample.begin(), sample.end());

    // Per slot: the copied entry row as bytes, twice over; byte -> copied exit position, or Outside.
    std::array<std::array<std::uint8_t, 2 * N>, 6> entry{};
    std::array<std::array<std::uint8_t, 256>, 6> exitPosition{};
    for (std::int16_t k = 1; k <= SlotCount; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        exitPosition[slot].fill(Outside);
        for (int p = 0; p < N; ++p) {
            const std::uint8_t e = *Windows1251::Encode(bank.Slot(k).Copied().EntryRow[p]);
            entry[slot][static_cast<std::size_t>(p)] = entry[slot][static_cast<std::size_t>(p + N)] = e;
            exitPosition[slot][*Windows1251::Encode(bank.Slot(k).Copied().ExitRow[p])] = static_cast<std::uint8_t>(p);
        }
    }
    // Position in slot k's rows as they stand now -> the next slot's exit position, via the symbol.
    const auto hop = [&](std::size_t k, int position, int turns) {
        const int copied = exitPosition[k][entry[k][static_cast<std::size_t>(position - turns + N)]] + turns;
        return copied >= N ? copied - N : copied;
    };
    std::array<std::uint8_t, N> slow{};
    std::array<std::uint8_t, 3 * N> table{};
    int o3 = -1, o4 = -1, o5 = -1;
    // The yardstick must compute what the machine computes: its first pass is checked against EncipherBytes.
    RotorBank reference = bank;
    std::vector<std::uint8_t> expected = bytes;
    reference.EncipherBytes(expected);
    bool checked = false;
    for (auto _ : state) {
        std::size_t at = 0;
        while (at < bytes.size()) {
            if (bank.Slot(3).Turns() != o3 || bank.Slot(4).Turns() != o4 || bank.Slot(5).Turns() != o5) {
                o3 = bank.Slot(3).Turns(), o4 = bank.Slot(4).Turns(), o5 = bank.Slot(5).Turns();
                for (int x = 0; x < N; ++x)
                    slow[static_cast<std::size_t>(x)] = entry[5][static_cast<std::size_t>(hop(4, hop(3, x, o3), o4) - o5 + N)];
            }
            const int o2 = bank.Slot(2).Turns();
            for (int x = 0; x < N; ++x)
                table[static_cast<std::size_t>(x)] = slow[static_cast<std::size_t>(hop(2, x, o2))];
            std::copy_n(table.begin(), N, table.begin() + N);
            std::copy_n(table.begin(), N, table.begin() + 2 * N);
            const std::size_t stretch = std::min<std::size_t>(bytes.size() - at,
                                                              static_cast<std::size_t>(N - bank.StepCounter(1)));
            const std::uint8_t* substitutes = table.data() + bank.Slot(1).Turns();
            const std::uint8_t* positions = exitPosition[1].data();
            std::uint8_t* out = bytes.data() + at;
            for (std::size_t j = 0; j < stretch; ++j) {
                const std::uint8_t c = out[j];
                const std::uint8_t p = positions[c];
                out[j] = p == Outside ? c : substitutes[p + j];
            }
            bank.Advance(static_cast<std::int64_t>(stretch));
            at += stretch;
        }
        if (!checked && bytes != expected) {
            state.SkipWithError("the tuned loop differs from the machine");
            break;
        }
        checked = true;
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

// The symbol-by-symbol path, for scale.
void EncipherSymbolBySymbol(benchmark::State& state)
{
    RotorBank bank = InstalledBank();
    std::u16string text = Windows1251::Decode(bench::RussianText(1 << 14));
    for (auto _ : state) {
        for (char16_t& c : text) {
            if (Alphabet::Machine().Contains(c))
                c = bank.EncipherSymbol(c);
            benchmark::DoNotOptimize(bank.Step());
        }
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

BENCHMARK(EncipherText)->Unit(benchmark::kMillisecond);
BENCHMARK(DecipherText)->Unit(benchmark::kMillisecond);
BENCHMARK(EncipherOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(EncipherBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(DecipherBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(TunedScalarLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(EncipherSymbolBySymbol)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    for (const CipherPath path : AllCipherPaths) {
        const std::string name(CipherPathName(path));
        for (const bool encipher : {true, false}) {
            const std::string direction = encipher ? "Encipher" : "Decipher";
            benchmark::RegisterBenchmark(("Path/" + direction + "/Bytes/" + name).c_str(), OnePath<std::uint8_t>, path, encipher)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("Path/" + direction + "/Text/" + name).c_str(), OnePath<char16_t>, path, encipher)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::AddCustomContext("cipher path chosen", std::string(CipherPathName(ChosenCipherPath())));
    std::string runs;
    for (const CipherPath path : AllCipherPaths) {
        if (ProcessorRuns(path))
            runs.append(runs.empty() ? "" : " ").append(CipherPathName(path));
    }
    benchmark::AddCustomContext("cipher paths this processor runs", runs);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
