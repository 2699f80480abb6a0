// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/AttackRequest.h"

#include "analysis/RotorTables.h"

#include "machine/Alphabet.h"
#include "machine/LineBreakNormalizer.h"

#include <algorithm>
#include <cmath>

namespace velista::analysis {

namespace {

std::string Number(std::size_t value)
{
    return std::to_string(value);
}

}  // namespace

std::size_t AttackRequest::AlphabetSymbols() const
{
    const Alphabet& alphabet = Alphabet::Machine();
    return static_cast<std::size_t>(
        std::count_if(fragment.begin(), fragment.end(), [&](char16_t c) { return alphabet.Contains(c); }));
}

std::size_t AttackRequest::Positions() const
{
    if (position)
        return 1;
    return ciphertextLength >= fragment.size() ? ciphertextLength - fragment.size() + 1 : 0;
}

std::size_t AttackRequest::ShortestUseful() const
{
    // Each ciphertext symbol under a fragment symbol tells about log2 135 = 7.08 bits of the setting, and the
    // 10^5 * 135^4 = 3.3e13 distinct settings need 44.9 bits to single one out; an unknown position among P
    // places adds log2 P. Settings that fit by chance are about 2^(44.9 + log2 P - 7.08 n) for n symbols. Where
    // that exceeds the 1,000 settings listed the answer says nothing a student can use, and the search itself
    // degenerates (one symbol gives every backward half of the machine the same key), so such a fragment is
    // refused. This asks for 5 symbols at a known position (measured in 10 KiB of Russian text: 5 symbols left
    // a median of 789 settings, 6 left 6, 7 decided 5 trials in 6), 7 in 3,000 characters, 8 in 1 MiB, 9 in 256 MiB.
    const double settingsBits = std::log2(1e5) + 4 * std::log2(double(RotorTables::N));
    const double positionBits = std::log2(double(std::max<std::size_t>(Positions(), 1)));
    const double needed = (settingsBits + positionBits - std::log2(Listed)) / std::log2(double(RotorTables::N));
    return static_cast<std::size_t>(std::ceil(needed));
}

AttackProblem AttackRequest::Check() const
{
    if (AlphabetSymbols() == 0)
        return AttackProblem::NoAlphabetSymbol;
    if (fragment.size() > MaxFragment)
        return AttackProblem::FragmentTooLong;
    if (ciphertextLength > MaxCiphertext)
        return AttackProblem::CiphertextTooLong;
    if (fragment.size() > ciphertextLength || (position && *position > ciphertextLength - fragment.size()))
        return AttackProblem::PastTheEnd;
    if (AlphabetSymbols() < ShortestUseful())
        return AttackProblem::FragmentTooShort;
    return AttackProblem::None;
}

std::u16string NormaliseFragment(std::u16string_view typed)
{
    std::u16string text;
    LineBreakNormalizer<char16_t>().Normalize(typed, text);
    return text;
}

namespace {

// The number and the noun's form for it: one after 1, 21, 101 …; few after 2–4, 22–24 …; many otherwise.
std::string Counted(std::size_t n, const char* one, const char* few, const char* many)
{
    const std::size_t lastTwo = n % 100;
    const std::size_t last = n % 10;
    const char* form = lastTwo >= 11 && lastTwo <= 14 ? many : last == 1 ? one : last >= 2 && last <= 4 ? few : many;
    return Number(n) + " " + form;
}

}  // namespace

std::string AttackProblemText(const AttackRequest& request, AttackProblem problem)
{
    switch (problem) {
    case AttackProblem::None:
        return {};
    case AttackProblem::NoAlphabetSymbol:
        return "во фрагменте нет ни одного символа алфавита машины, ему подходит любая настройка";
    case AttackProblem::FragmentTooShort:
        return "фрагмент слишком короткий: символов алфавита в нём " + Number(request.AlphabetSymbols())
            + ", а нужно не меньше " + Number(request.ShortestUseful()) + " — иначе "
            + (request.position ? "на этой позиции" : "на " + Counted(request.Positions(), "возможной позиции", "возможных позициях", "возможных позициях"))
            + " подойдут тысячи настроек и ответ ничего не скажет";
    case AttackProblem::FragmentTooLong:
        return "фрагмент длиннее " + Number(AttackRequest::MaxFragment)
            + " символов (64 КиБ): столько не нужно, хватит нескольких десятков";
    case AttackProblem::CiphertextTooLong:
        return "шифротекст длиннее " + Number(AttackRequest::MaxCiphertext) + " символов (256 МиБ)";
    case AttackProblem::PastTheEnd:
        if (request.position)
            return "ни одна настройка не подходит: с позиции " + Number(*request.position) + " фрагмент из "
                + Counted(request.fragment.size(), "символа", "символов", "символов")
                + " выходит за конец шифротекста (" + Counted(request.ciphertextLength, "символ", "символа", "символов")
                + ")";
        return "ни одна настройка не подходит: фрагмент из "
            + Counted(request.fragment.size(), "символа", "символов", "символов") + " длиннее шифротекста ("
            + Counted(request.ciphertextLength, "символ", "символа", "символов") + ")";
    }
    return {};
}

}  // namespace velista::analysis
