// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PathTrace.h"

#include "cli/InputFile.h"
#include "cli/JobBank.h"
#include "cli/OutputFile.h"
#include "cli/StreamCipher.h"
#include "cli/Utf8.h"

#include "machine/Alphabet.h"
#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"

#include <cstdio>

namespace velista::cli {

namespace {


}  // namespace

void PathTrace::AppendLine(std::string& out, std::uint64_t position, char16_t character, bool inAlphabet,
                           const SymbolPath& path)
{
    out += std::to_string(position);
    out += '\t';
    if (!inAlphabet) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X\t-\n", static_cast<unsigned>(character));
        out += code;
        return;
    }
    out += EncodeUtf8(std::u16string_view(&character, 1));
    for (const SymbolHop& hop : path.hops) {
        out += '\t';
        out += std::to_string(hop.position);
        out += '\t';
        out += EncodeUtf8(std::u16string_view(&hop.reached, 1));
    }
    out += '\n';
}

void PathTrace::Run(const BatchJob& job)
{
    // The output first, as for the other commands: a wrong output is reported before any input is read.
    OutputFile output(job.output);
    InputFile input(job.input);
    RotorBank bank = JobBank(job);
    const CipherDirection direction =
        job.direction == Direction::Encrypt ? CipherDirection::Encipher : CipherDirection::Decipher;
    LineBreakNormalizer<char> lineBreaks;
    std::string piece(StreamCipher::PieceSize, '\0');
    std::string text;
    std::string lines;
    std::uint64_t position = 0;
    while (const std::size_t got = input.Read(piece)) {
        text.clear();
        lineBreaks.Normalize(std::string_view(piece.data(), got), text);
        lines.clear();
        for (const char byte : text) {
            const char16_t character = Windows1251::Decode(static_cast<unsigned char>(byte));
            const bool inAlphabet = Alphabet::Machine().Contains(character);
            AppendLine(lines, position++, character, inAlphabet, inAlphabet ? bank.Path(character, direction) : SymbolPath{});
            bank.Step();
        }
        output.Write(lines);
    }
    output.Commit();
}

}  // namespace velista::cli
