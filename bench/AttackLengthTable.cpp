// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how many settings fit fragments of each length, at a known and at an unknown position in 10 KiB of
// Russian prose, over random settings and places: the table of fragment length against settings found.
// Usage: velista_attack_lengths [TRIALS [known|unknown]]; without the second argument both kinds of rows.

#include "bench/SampleText.h"

#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "machine/Alphabet.h"
#include "machine/RotorBank.h"
#include "machine/Windows1251.h"

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

int main(int argc, char** argv)
{
    const int trials = argc > 1 ? std::atoi(argv[1]) : 10;
    const RotorTables tables;
    const std::u16string plain = Windows1251::Decode(bench::RussianText(10 << 10));
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    KnownPlaintextAttack attack(tables);
    attack.SetKeep(10);
    std::mt19937 random(2026);
    std::printf("| position | length | trials | settings found (median) | (largest) | trials unique | seconds (mean) |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    struct Row {
        bool known;
        std::size_t length;
    };
    const std::vector<Row> rows = {{true, 5},   {true, 6},   {true, 7},   {true, 8},  {true, 10},
                                   {true, 15}, {true, 20},  {true, 30},  {false, 20}, {false, 25},
                                   {false, 30}};
    const std::string only = argc > 2 ? argv[2] : "";
    for (const Row& row : rows) {
        if ((only == "known" && !row.known) || (only == "unknown" && row.known))
            continue;
        std::vector<std::uint64_t> found;
        int unique = 0;
        double seconds = 0;
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
            const AttackResult result = attack.Run(cipher, std::u16string_view(plain).substr(position, row.length),
                                                   row.known ? std::optional(position) : std::nullopt);
            found.push_back(result.found);
            unique += result.Unique();
            seconds += result.seconds;
        }
        std::sort(found.begin(), found.end());
        std::printf("| %s | %zu | %d | %llu | %llu | %d | %.3f |\n", row.known ? "known" : "unknown", row.length, trials,
                    static_cast<unsigned long long>(found[found.size() / 2]),
                    static_cast<unsigned long long>(found.back()), unique, seconds / trials);
        std::fflush(stdout);
    }
}
