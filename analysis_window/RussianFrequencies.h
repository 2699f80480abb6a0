// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The share each symbol of the alphabet has in Russian running text, drawn beside a text's own bars. Counted
// by scripts/measure-letter-frequencies in Debian's fortunes-ru (98 collections, 1,893,273 alphabet symbols)
// and kept as data/russian-frequencies.tsv, built into the program.

namespace velista {

class RussianFrequencies {
public:
    // The symbol's share of all alphabet symbols of the corpus; 0 for a character outside the alphabet.
    static double Share(char16_t symbol);
};

}  // namespace velista
