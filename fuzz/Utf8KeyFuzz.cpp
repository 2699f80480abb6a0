// SPDX-License-Identifier: GPL-3.0-or-later
// The key as the terminal types it: decoding UTF-8 never crashes, what it accepts encodes back to the same bytes,
// composing leaves no pair it should have joined, the escaped echo holds no control character, and a key the
// command line accepts is five alphabet symbols that it accepts again in their own UTF-8.
// Input: the bytes of the key (up to the first zero byte when given on the command line).

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

#include "cli/CommandLine.h"
#include "cli/ToolCatalogue.h"
#include "cli/Utf8.h"
#include "machine/Alphabet.h"

#include <string>
#include <variant>

using namespace velista;
using namespace velista::cli;
using velista::fuzz::FuzzCheck;

namespace {

std::string Utf8Of(const std::u32string& text)
{
    std::string bytes;
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

// The key the command line takes from these bytes, or nothing when it refuses them.
std::optional<std::u16string> AcceptedKey(const std::string& key)
{
    std::string words[] = {"velista-cli", "encrypt", "--rotors", "01234", "--key=" + key};
    char* argv[] = {words[0].data(), words[1].data(), words[2].data(), words[3].data(), words[4].data()};
    // The key is read the same in either language; one catalogue serves every input.
    static const ToolCatalogue catalogue(ToolLanguage::Russian);
    auto parsed = ParseCommandLine(5, argv, catalogue);
    if (const auto* job = std::get_if<BatchJob>(&parsed))
        return job->key.Symbols();
    return std::nullopt;
}

bool HasControl(const std::u32string& text)
{
    for (const char32_t c : text)
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::string bytes(input.Rest());

    const std::optional<std::u32string> decoded = DecodeUtf8(bytes);
    if (decoded) {
        FuzzCheck(Utf8Of(*decoded) == bytes, "decoded UTF-8 encodes back to its bytes");
        const std::u32string composed = ComposeCanonical(*decoded);
        FuzzCheck(composed.size() <= decoded->size(), "composing never lengthens");
        FuzzCheck(ComposeCanonical(composed) == composed, "composing twice changes nothing");
        for (std::size_t i = 1; i < composed.size(); ++i)
            FuzzCheck(!((composed[i - 1] == U'И' || composed[i - 1] == U'и') && composed[i] == U'\u0306'),
                      "no и with its breve is left apart");
    }
    const std::optional<std::u32string> shown = DecodeUtf8(EscapeForTerminal(bytes));
    FuzzCheck(shown && !HasControl(*shown), "the escaped echo is UTF-8 without control characters");

    const std::string key = bytes.substr(0, bytes.find('\0'));
    if (const std::optional<std::u16string> accepted = AcceptedKey(key)) {
        FuzzCheck(accepted->size() == 5, "an accepted key has five symbols");
        for (const char16_t c : *accepted)
            FuzzCheck(Alphabet::Machine().Contains(c), "an accepted key holds alphabet symbols only");
        const std::optional<std::u32string> typed = DecodeUtf8(key);
        FuzzCheck(typed && ComposeCanonical(*typed) == std::u32string(accepted->begin(), accepted->end()),
                  "an accepted key is the composed characters typed");
        FuzzCheck(AcceptedKey(EncodeUtf8(*accepted)) == accepted, "an accepted key is accepted again in its own UTF-8");
    }
    return 0;
}
