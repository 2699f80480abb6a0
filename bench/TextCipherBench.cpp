// How fast the machine enciphers and deciphers whole texts, in symbols per second.

#include "SampleText.h"

#include <Alphabet.h>
#include <CipherMachine.h>
#include <HeadlessWindow.h>
#include <Windows1251.h>
#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velista;

template <bool Encipher>
void WholeText(benchmark::State& state, bool lineBreaks)
{
    HeadlessWindow window(u"73915", u"Ключ1");
    CipherMachine machine(window);
    machine.InstallRotors(window);
    const std::u16string original = Windows1251::Decode(bench::RussianText(1 << 20, lineBreaks));
    std::u16string text = original;
    for (auto _ : state) {
        if constexpr (Encipher)
            machine.Bank().EncipherText(text, window);
        else
            machine.Bank().DecipherText(text, window);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void EncipherText(benchmark::State& state) { WholeText<true>(state, true); }
void DecipherText(benchmark::State& state) { WholeText<false>(state, true); }
void EncipherOneLine(benchmark::State& state) { WholeText<true>(state, false); }

// The symbol-by-symbol path, for scale.
void EncipherSymbolBySymbol(benchmark::State& state)
{
    HeadlessWindow window(u"73915", u"Ключ1");
    CipherMachine machine(window);
    machine.InstallRotors(window);
    std::u16string text = Windows1251::Decode(bench::RussianText(1 << 14));
    RotorBank& bank = machine.Bank();
    for (auto _ : state) {
        for (char16_t& c : text) {
            if (Alphabet::Machine().Contains(c))
                c = bank.EncipherSymbol(c);
            bank.Usl_Procr(window);
        }
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

BENCHMARK(EncipherText)->Unit(benchmark::kMillisecond);
BENCHMARK(DecipherText)->Unit(benchmark::kMillisecond);
BENCHMARK(EncipherOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(EncipherSymbolBySymbol)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
