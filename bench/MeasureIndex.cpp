// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the index of coincidence of UTF-8 text files over the machine's alphabet: the reference value for
// Russian text. Usage: velista_measure_index FILE...

#include "analysis/SymbolStatistics.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Decodes UTF-8 of one to three bytes, which covers the alphabet and Cyrillic; anything else becomes U+FFFD.
std::u16string DecodeUtf8(const std::string& bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        auto next = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[i + k]) & 0x3F); };
        if (b < 0x80) {
            text += static_cast<char16_t>(b);
            i += 1;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < bytes.size()) {
            text += static_cast<char16_t>((b & 0x1Fu) << 6 | next(1));
            i += 2;
        } else if ((b & 0xF0) == 0xE0 && i + 2 < bytes.size()) {
            text += static_cast<char16_t>((b & 0x0Fu) << 12 | next(1) << 6 | next(2));
            i += 3;
        } else {
            text += u'\xFFFD';
            i += 1;
        }
    }
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    velista::analysis::SymbolStatistics statistics;
    for (int a = 1; a < argc; ++a) {
        std::ifstream file(argv[a], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", argv[a]);
            return 1;
        }
        statistics.Add(DecodeUtf8(std::string(std::istreambuf_iterator<char>(file), {})));
    }
    std::printf("files %d, characters %llu, alphabet symbols %llu, index of coincidence %.4f (random %.4f)\n",
                argc - 1, static_cast<unsigned long long>(statistics.Length()),
                static_cast<unsigned long long>(statistics.SymbolCount()), statistics.IndexOfCoincidence(),
                velista::analysis::SymbolStatistics::RandomIndex);
}
