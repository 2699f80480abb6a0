// How fast the machine enciphers and deciphers whole texts, in symbols per second, beside a tuned
// scalar loop over the same bank.

#include "SampleText.h"

#include <Alphabet.h>
#include <RotorBank.h>
#include <Windows1251.h>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
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

void EncipherText(benchmark::State& state) { WholeText<true>(state, true); }
void DecipherText(benchmark::State& state) { WholeText<false>(state, true); }
void EncipherOneLine(benchmark::State& state) { WholeText<true>(state, false); }
void EncipherBytes(benchmark::State& state) { WholeBytes<true>(state); }
void DecipherBytes(benchmark::State& state) { WholeBytes<false>(state); }

// The yardstick for the whole-text paths: a plain loop over Windows-1251 bytes with two lookups a symbol.
// While slots 2 to 5 stand still (135 steps), a table maps slot 1's exit position to the result; it is
// laid out three times over so that position + turns + step needs no modulo.
void TunedScalarLoop(benchmark::State& state)
{
    constexpr int N = RowLength;
    constexpr std::uint8_t Outside = 255;
    RotorBank bank = InstalledBank();
    const std::string sample = bench::RussianText(1 << 20);
    std::vector<std::uint8_t> bytes(sample.begin(), sample.end());

    // Byte -> position in the copied rows, per slot; Outside for bytes the row lacks.
    std::array<std::array<std::uint8_t, 256>, 6> exitPosition{};
    for (auto& table : exitPosition)
        table.fill(Outside);
    for (std::int16_t k = 1; k <= SlotCount; ++k) {
        for (int p = 0; p < N; ++p)
            exitPosition[static_cast<std::size_t>(k)][*Windows1251::Encode(bank.Slot(k).Copied().ExitRow[p])] =
                static_cast<std::uint8_t>(p);
    }
    std::array<std::uint8_t, 3 * N> table{};
    for (auto _ : state) {
        std::size_t at = 0;
        while (at < bytes.size()) {
            for (int x = 0; x < N; ++x) {
                int position = x;
                for (std::int16_t k = 2; k <= 4; ++k) {
                    const auto reached = *Windows1251::Encode(bank.Slot(k).EntryAt(position));
                    const int copied = exitPosition[static_cast<std::size_t>(k)][reached];
                    position = (copied + bank.Slot(k).Turns()) % N;
                }
                const auto result = *Windows1251::Encode(bank.Slot(5).EntryAt(position));
                for (int copy = 0; copy < 3; ++copy)
                    table[static_cast<std::size_t>(x + copy * N)] = result;
            }
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

BENCHMARK_MAIN();
