// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StreamCipher.h"

#include "cli/InputFile.h"
#include "cli/JobBank.h"
#include "cli/OutputFile.h"

#include "machine/LineBreakNormalizer.h"
#include "machine/RotorBank.h"

#include <cstdint>
#include <span>
#include <string>

namespace velista::cli {

void StreamCipher::Run(const BatchJob& job)
{
    // The output is checked first, so that a wrong output is reported before any input is read, and
    // before opening a named pipe as the input waits for its writer.
    OutputFile output(job.output);
    InputFile input(job.input);
    RotorBank bank = JobBank(job);

    LineBreakNormalizer<char> lineBreaks;
    std::string piece(PieceSize, '\0');
    std::string text;
    while (const std::size_t got = input.Read(piece)) {
        text.clear();
        lineBreaks.Normalize(std::string_view(piece.data(), got), text);
        // The file's Windows-1251 bytes are enciphered as they stand: every alphabet symbol is one byte.
        const std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
        if (job.direction == Direction::Encrypt)
            bank.EncipherBytes(bytes);
        else
            bank.DecipherBytes(bytes);
        output.Write(text);
    }
    output.Commit();
}

}  // namespace velista::cli
