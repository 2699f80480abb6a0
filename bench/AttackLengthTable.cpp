// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how many settings fit fragments of each length, at a known and at an unknown position in 10 KiB of
// Russian prose, over random settings and places: the table of fragment length against settings found.
// Usage: velista_attack_lengths [TRIALS [known|unknown [LENGTH]]]; without the second argument both kinds of rows,
// without the third every length. The seconds are the run's own (wall) and the process's CPU time over the run:
// on a machine that other work shares, CPU time divided by the cores is the steadier figure.

#include "bench/SampleText.h"

#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "machine/Alphabet.h"
#include "machine/RotorBank.h"
#include "machine/Windows1251.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace velista;
using namespace velista::analysis;

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv)
{
    const int trials = argc > 1 ? std::atoi(argv[1]) : 10;
    const RotorTables tables;
    const std::u16string plain = Windows1251::Decode(bench::RussianText(10 << 10));
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    KnownPlaintextAttack attack(tables);
    attack.SetKeep(10);
    std::mt19937 random(2026);
    std::printf("| position | length | trials | settings found (median) | (largest) | trials unique | seconds (mean) "
                "| CPU seconds (mean) | (largest) |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    struct Row {
        bool known;
        std::size_t length;
    };
    const std::vector<Row> rows = {{true, 5},   {true, 6},   {true, 7},   {true, 8},  {true, 10},
                                   {true, 15}, {true, 20},  {true, 30},  {false, 12}, {false, 15},
                                   {false, 20}, {false, 25}, {false, 30}};
    const std::string only = argc > 2 ? argv[2] : "";
    const std::size_t onlyLength = argc > 3 ? static_cast<std::size_t>(std::atoi(argv[3])) : 0;
    for (const Row& row : rows) {
        if ((only == "known" && !row.known) || (only == "unknown" && row.known) ||
            (onlyLength != 0 && row.length != onlyLength))
            continue;
        std::vector<std::uint64_t> found;
        int unique = 0;
        double seconds = 0, cpu = 0, cpuLargest = 0;
        for (int t = 0; t < trials; ++t) {
            std::array<std::int16_t, SlotCount> rotors{};
            std::u16string key;
            for (auto& rotor : rotors) {
                rotor = static_cast<std::int16_t>(random() % 10);
                key += alphabet[random() % alphabet.size()];
            }
            RotorBank bank;
            if (!bank.SetDirectly(RotorCatalogue::Shipped(), rotors, key))
                std::abort();
            std::u16string cipher = plain;
            bank.EncipherText(cipher);
            const std::size_t position = random() % (plain.size() - row.length);
            const double cpuBefore = CpuSeconds();
            const AttackResult result = attack.Run(cipher, std::u16string_view(plain).substr(position, row.length),
                                                   row.known ? std::optional(position) : std::nullopt);
            found.push_back(result.found);
            unique += result.Unique();
            seconds += result.seconds;
            const double cpuHere = CpuSeconds() - cpuBefore;
            cpu += cpuHere;
            cpuLargest = std::max(cpuLargest, cpuHere);
        }
        std::sort(found.begin(), found.end());
        std::printf("| %s | %zu | %d | %llu | %llu | %d | %.3f | %.3f | %.3f |\n", row.known ? "known" : "unknown",
                    row.length, trials, static_cast<unsigned long long>(found[found.size() / 2]),
                    static_cast<unsigned long long>(found.back()), unique, seconds / trials, cpu / trials, cpuLargest);
        std::fflush(stdout);
    }
}
