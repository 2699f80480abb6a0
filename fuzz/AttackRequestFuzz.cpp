// SPDX-License-Identifier: GPL-3.0-or-later
// The attack's fragment as the tool reads it from its file: every line break (LF, CR LF or a lone CR) becomes
// CR LF and nothing else changes, so that the fragment counts positions as the ciphertext does; reading the result again changes
// nothing.
// Input: the fragment's Windows-1251 bytes.

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"

#include <algorithm>
#include <string>

using namespace velista;
using velista::fuzz::FuzzCheck;

namespace {

std::u16string WithoutLineBreaks(std::u16string_view text)
{
    std::u16string rest;
    for (const char16_t c : text)
        if (c != u'\r' && c != u'\n')
            rest += c;
    return rest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view typed = fuzz::FuzzInput(data, size).Rest();
    std::u16string fragment;
    LineBreakNormalizer<char>().Normalize(typed, fragment,
                                          [](char c) { return Windows1251::Decode(static_cast<unsigned char>(c)); });

    for (std::size_t i = 0; i < fragment.size(); ++i) {
        if (fragment[i] == u'\r')
            FuzzCheck(i + 1 < fragment.size() && fragment[i + 1] == u'\n', "every CR is followed by LF");
        if (fragment[i] == u'\n')
            FuzzCheck(i > 0 && fragment[i - 1] == u'\r', "every LF follows a CR");
    }
    std::size_t lineBreaks = 0;
    for (std::size_t i = 0; i < typed.size(); ++i)
        lineBreaks += typed[i] == '\r' || (typed[i] == '\n' && (i == 0 || typed[i - 1] != '\r'));
    FuzzCheck(static_cast<std::size_t>(std::count(fragment.begin(), fragment.end(), u'\r')) == lineBreaks,
              "every line break typed, and only those, stands as CR LF");
    FuzzCheck(WithoutLineBreaks(fragment) == WithoutLineBreaks(Windows1251::Decode(typed)),
              "the characters between line breaks stay as they were");
    std::u16string again;
    LineBreakNormalizer<char16_t>().Normalize(fragment, again);
    FuzzCheck(again == fragment, "a normalised fragment normalises to itself");
    return 0;
}
