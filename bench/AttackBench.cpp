// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the known-plaintext attack finds the rotors and the key class, and how fast the symbol statistics count.
// Each iteration attacks a fragment at another place of the text, so the times are averages over fragments.

#include "bench/SampleText.h"

#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "analysis/SymbolStatistics.h"
#include "machine/RotorBank.h"
#include "machine/Windows1251.h"
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

using namespace velista;
using namespace velista::analysis;

const RotorTables& Tables() { return RotorTables::Shipped(); }

struct Sample {
    std::u16string plain, cipher;
};

// Russian prose of the given size enciphered with rotors 73915 and the key "Ключ1".
Sample Enciphered(std::size_t size)
{
    Sample sample;
    sample.plain = Windows1251::Decode(bench::RussianText(size));
    sample.cipher = sample.plain;
    RotorBank bank;
    if (!bank.SetDirectly(RotorCatalogue::Shipped(), {7, 3, 9, 1, 5}, u"Ключ1"))
        std::abort();
    bank.EncipherText(sample.cipher);
    return sample;
}

void Attack(benchmark::State& state, std::size_t size, bool positionKnown)
{
    const Sample sample = Enciphered(size);
    KnownPlaintextAttack attack(Tables());
    constexpr std::size_t Length = 30;
    std::size_t trial = 0;
    double examined = 0;
    for (auto _ : state) {
        // Places spread over the whole text.
        const std::size_t position = (trial++ * 7919 + 101) % (sample.plain.size() - Length);
        const AttackResult result = attack.Run(sample.cipher, std::u16string_view(sample.plain).substr(position, Length),
                                               positionKnown ? std::optional(position) : std::nullopt);
        if (result.found < 1 || result.settings.empty() || result.settings[0].RotorText() != u"73915") {
            state.SkipWithError("the attack missed the setting");
            break;
        }
        examined += static_cast<double>(result.candidatesExamined);
    }
    state.counters["candidates"] = benchmark::Counter(examined, benchmark::Counter::kAvgIterations);
}

void KnownPosition30(benchmark::State& state) { Attack(state, 10 << 10, true); }
void UnknownPosition30In10KiB(benchmark::State& state) { Attack(state, 10 << 10, false); }
void UnknownPosition30In1MiB(benchmark::State& state) { Attack(state, 1 << 20, false); }

void Statistics1MiB(benchmark::State& state)
{
    const std::u16string text = Windows1251::Decode(bench::RussianText(1 << 20));
    for (auto _ : state) {
        SymbolStatistics statistics(text);
        benchmark::DoNotOptimize(statistics.IndexOfCoincidence());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

BENCHMARK(KnownPosition30)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(UnknownPosition30In10KiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(UnknownPosition30In1MiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(Statistics1MiB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
