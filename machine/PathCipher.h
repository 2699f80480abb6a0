// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole texts through the bank on one named cipher path, and the work of every whole-text transform: the
// bank's own TextCipher runs on the path chosen for this processor, tests and benchmarks name one.

#include "machine/CipherPath.h"
#include "machine/MachineTypes.h"
#include "machine/TextCipher.h"
#include "machine/TextResult.h"

#include <cstdint>
#include <span>

namespace velista {

class RotorBank;

class PathCipher {
public:
    // The path must be one this processor and build run.
    explicit PathCipher(CipherPath path);

    TextResult Encipher(RotorBank& bank, std::span<char16_t> text);
    TextResult Decipher(RotorBank& bank, std::span<char16_t> text);
    TextResult Encipher(RotorBank& bank, std::span<std::uint8_t> bytes);
    TextResult Decipher(RotorBank& bank, std::span<std::uint8_t> bytes);

    // Builds the wiring's tables again when the bank's slots were loaded since they were made.
    static void Rewire(TextCipher::Wiring& wiring, const RotorBank& bank);
    // Transforms the text in place on the path, with tables the wiring holds for the bank.
    static TextResult Run(const TextCipher::Wiring& wiring, CipherPath path, RotorBank& bank,
                          std::span<char16_t> text, CipherDirection direction);
    static TextResult Run(const TextCipher::Wiring& wiring, CipherPath path, RotorBank& bank,
                          std::span<std::uint8_t> bytes, CipherDirection direction);

private:
    CipherPath path_;
    TextCipher::Wiring wiring_;
};

}  // namespace velista
