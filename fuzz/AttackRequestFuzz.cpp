// SPDX-License-Identifier: GPL-3.0-or-later
// The attack's request, as the window and the tool make it: NormaliseFragment turns every line break (LF, CR LF or
// a lone CR) into CR LF and changes nothing else, and normalising again changes nothing; AttackRequest::Check, for
// any fragment, position and ciphertext length, passes only a request that can be searched, and every refusal has
// its Russian text.
// Input: a byte whose low bit says the position is known and whose second bit that the fragment is UTF-16 (pairs
// of bytes) rather than Windows-1251, eight bytes of position, eight of ciphertext length, then the fragment.

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

#include "analysis/AttackRequest.h"
#include "cli/Utf8.h"
#include "machine/Windows1251.h"

#include <algorithm>
#include <string>

using namespace velista;
using namespace velista::analysis;
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

void CheckNormalised(std::u16string_view typed, const std::u16string& fragment)
{
    for (std::size_t i = 0; i < fragment.size(); ++i) {
        if (fragment[i] == u'\r')
            FuzzCheck(i + 1 < fragment.size() && fragment[i + 1] == u'\n', "every CR is followed by LF");
        if (fragment[i] == u'\n')
            FuzzCheck(i > 0 && fragment[i - 1] == u'\r', "every LF follows a CR");
    }
    std::size_t lineBreaks = 0;
    for (std::size_t i = 0; i < typed.size(); ++i)
        lineBreaks += typed[i] == u'\r' || (typed[i] == u'\n' && (i == 0 || typed[i - 1] != u'\r'));
    FuzzCheck(static_cast<std::size_t>(std::count(fragment.begin(), fragment.end(), u'\r')) == lineBreaks,
              "every line break typed, and only those, stands as CR LF");
    FuzzCheck(WithoutLineBreaks(fragment) == WithoutLineBreaks(typed),
              "the characters between line breaks stay as they were");
    FuzzCheck(NormaliseFragment(fragment) == fragment, "a normalised fragment normalises to itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::uint8_t mode = input.Byte();
    const std::size_t position = input.Number(8);
    AttackRequest request;
    request.ciphertextLength = input.Number(8);
    const std::string_view rest = input.Rest();
    std::u16string typed;
    if (mode & 2) {
        for (std::size_t i = 0; i + 1 < rest.size(); i += 2)
            typed += static_cast<char16_t>(static_cast<unsigned char>(rest[i]) | static_cast<unsigned char>(rest[i + 1]) << 8);
    } else {
        typed = Windows1251::Decode(rest);
    }
    request.fragment = NormaliseFragment(typed);
    CheckNormalised(typed, request.fragment);
    if (mode & 1)
        request.position = position;

    const AttackProblem problem = request.Check();
    const std::string text = AttackProblemText(request, problem);
    FuzzCheck(text.empty() == (problem == AttackProblem::None), "every refusal, and only a refusal, has a text");
    FuzzCheck(cli::DecodeUtf8(text).has_value(), "a refusal's text is UTF-8");
    FuzzCheck(!request.position || request.Positions() == 1, "a known position is the one position tried");
    if (problem != AttackProblem::None)
        return 0;
    const std::size_t from = request.position.value_or(0);
    FuzzCheck(from <= request.ciphertextLength && request.fragment.size() <= request.ciphertextLength - from,
              "a request passed fits in the ciphertext");
    FuzzCheck(request.fragment.size() <= AttackRequest::MaxFragment
                  && request.ciphertextLength <= AttackRequest::MaxCiphertext,
              "a request passed is within the limits");
    FuzzCheck(request.AlphabetSymbols() >= std::max<std::size_t>(request.ShortestUseful(), 1),
              "a request passed has the alphabet symbols it needs");
    if (request.position) {
        AttackRequest anywhere = request;
        anywhere.position.reset();
        FuzzCheck(request.ShortestUseful() <= anywhere.ShortestUseful(),
                  "a known position needs no more symbols than an unknown one");
    }
    return 0;
}
