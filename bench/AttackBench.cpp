// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the known-plaintext attack finds the rotors and the key class, and how fast the symbol statistics count.
// Each iteration attacks a fragment at another place of the text, so the times are averages over fragments.

#include "bench/SampleText.h"

#include "analysis/FragmentFilter.h"
#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "analysis/SymbolStatistics.h"
#include "machine/Alphabet.h"
#include "machine/RotorBank.h"
#include "machine/Windows1251.h"
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <vector>
#include <string>

namespace {

using namespace velista;
using namespace velista::analysis;

const RotorTables& Tables() { return RotorTables::Shipped(); }

struct Sample {
    std::u16string plain, cipher;
};

// Russian prose of the given size enciphered with rotors 73915 and the key "Ключ1"; without outside, every
// character outside the alphabet (line breaks, Ё, !) made a space, so that no position is ruled out by them.
Sample Enciphered(std::size_t size, bool outside = true)
{
    Sample sample;
    sample.plain = Windows1251::Decode(bench::RussianText(size, outside));
    if (!outside) {
        for (char16_t& c : sample.plain) {
            if (!Alphabet::Machine().Contains(c))
                c = u' ';
        }
    }
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
        if (result.found < 1 || result.settings.empty() || result.settings[0].Rotors().Text() != u"73915") {
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

// The scan of every position of 2 MiB of alphabet-only text, as the attack's first stage makes it: the pattern
// search and the slot-1 test. Its cost must not grow with the fragment's length (it checked the whole fragment
// at every position: 1,000 symbols took 4 s, 10,000 took 26 s).
void FilterScan2MiB(benchmark::State& state)
{
    static const Sample sample = Enciphered(2 << 20, false);
    const auto length = static_cast<std::size_t>(state.range(0));
    const std::u16string_view fragment = std::u16string_view(sample.plain).substr(1 << 20, length);
    std::uint64_t passed = 0;
    for (auto _ : state) {
        FragmentFilter filter(Tables(), sample.cipher, fragment);
        std::vector<std::size_t> positions;
        filter.FittingPositions(0, sample.cipher.size(), positions);
        passed = 0;
        for (const std::size_t position : positions)
            passed += filter.RotorsFitting(position) != 0;
        benchmark::DoNotOptimize(passed);
    }
    state.counters["passed"] = static_cast<double>(passed);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(sample.cipher.size()));
}

// The whole attack for a long fragment at an unknown position in 2 MiB of alphabet-only text.
void UnknownPositionLongIn2MiB(benchmark::State& state)
{
    static const Sample sample = Enciphered(2 << 20, false);
    const auto length = static_cast<std::size_t>(state.range(0));
    KnownPlaintextAttack attack(Tables());
    for (auto _ : state) {
        const AttackResult result =
            attack.Run(sample.cipher, std::u16string_view(sample.plain).substr(1 << 20, length), std::nullopt);
        if (!result.Unique() || result.settings[0].position != (1 << 20)) {
            state.SkipWithError("the attack missed the setting");
            break;
        }
    }
}

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
BENCHMARK(FilterScan2MiB)->Arg(30)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(UnknownPositionLongIn2MiB)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(Statistics1MiB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
