// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmark's Russian sample text, in Windows-1251, for timing the command-line tool.

#include "bench/SampleText.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velista_sample_text BYTES FILE\n");
        return 2;
    }
    const std::string text = velista::bench::RussianText(std::strtoull(argv[1], nullptr, 10));
    std::FILE* file = std::fopen(argv[2], "wb");
    if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    return 0;
}
