// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/TextCipher.h"

#include "machine/PathCipher.h"

namespace velista {

// The work is PathCipher's, on the path chosen once for this processor.
const TextCipher::Wiring& TextCipher::WiringOf(const RotorBank& bank)
{
    PathCipher::Rewire(wiring_, bank);
    return wiring_;
}

TextResult TextCipher::Encipher(RotorBank& bank, std::span<char16_t> text)
{
    return PathCipher::Run(WiringOf(bank), ChosenCipherPath(), bank, text, CipherDirection::Encipher);
}

TextResult TextCipher::Decipher(RotorBank& bank, std::span<char16_t> text)
{
    return PathCipher::Run(WiringOf(bank), ChosenCipherPath(), bank, text, CipherDirection::Decipher);
}

TextResult TextCipher::Encipher(RotorBank& bank, std::span<std::uint8_t> bytes)
{
    return PathCipher::Run(WiringOf(bank), ChosenCipherPath(), bank, bytes, CipherDirection::Encipher);
}

TextResult TextCipher::Decipher(RotorBank& bank, std::span<std::uint8_t> bytes)
{
    return PathCipher::Run(WiringOf(bank), ChosenCipherPath(), bank, bytes, CipherDirection::Decipher);
}

}  // namespace velista
