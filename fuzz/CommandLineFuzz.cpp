// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's command line, read as the tool reads it (the attack among the other commands): any words give a job or a
// message, never a crash; a refusal is UTF-8 text in which a user's value cannot act on the terminal; a job holds
// valid rotors and key, and files that were given.
// Input: the words after the program's name, split at zero bytes.

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

#include "cli/CommandLine.h"
#include "cli/ToolCatalogue.h"
#include "cli/Utf8.h"
#include "machine/Alphabet.h"

#include <algorithm>
#include <limits>
#include <string>
#include <variant>
#include <vector>

using namespace velista;
using namespace velista::cli;
using velista::fuzz::FuzzCheck;

namespace {

// Help and the version go to standard output; a refusal names the tool and says, in text with line feeds only,
// what is wrong.
void CheckEarlyExit(const EarlyExit& early)
{
    FuzzCheck(early.status == 0 || early.status == UsageError, "an early exit is help, the version or status 2");
    FuzzCheck(!early.text.empty(), "an early exit says something");
    if (early.status == 0)
        return;
    FuzzCheck(early.text.rfind("velista-cli", 0) == 0, "a refusal names the tool");
    const std::optional<std::u32string> text = DecodeUtf8(early.text);
    FuzzCheck(text.has_value(), "a refusal is UTF-8");
    for (const char32_t c : *text)
        FuzzCheck(c == U'\n' || (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)),
                  "a refusal holds no control character but line feeds");
}

// A file named is a word or ends one ("--output=x", "-ox").
bool Given(const std::vector<std::string>& words, const std::string& file)
{
    return file == "-" || std::any_of(words.begin(), words.end(), [&](const std::string& word) {
               return word.ends_with(file);
           });
}

// The word ends in the number's digits, with or without leading zeros ("--at=007" for 7). A position past what
// the system counts is read as the largest, which lies past any ciphertext's end.
bool EndsWithNumber(const std::string& word, std::size_t number)
{
    const std::size_t start = word.find_last_not_of("0123456789") + 1;
    if (start == word.size())
        return false;
    const std::string digits = word.substr(std::min(word.find_first_not_of('0', start), word.size() - 1));
    const std::string expected = std::to_string(number);
    if (number == std::numeric_limits<std::size_t>::max())
        return digits.size() > expected.size() || (digits.size() == expected.size() && digits >= expected);
    return digits == expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    std::vector<std::string> words{"velista-cli"};
    while (!input.Rest().empty())
        words.emplace_back(input.Word());
    // CLI11 and the checks may change the words they are given; the originals stay for the checks.
    std::vector<std::string> copies = words;
    std::vector<char*> argv;
    for (std::string& word : copies)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    // The English refusals hold the user's values as the Russian ones do, and must be as safe.
    static const ToolCatalogue english(ToolLanguage::English);
    std::vector<std::string> englishCopies = words;
    std::vector<char*> englishArgv;
    for (std::string& word : englishCopies)
        englishArgv.push_back(word.data());
    englishArgv.push_back(nullptr);
    const auto englishParsed = ParseCommandLine(argc, englishArgv.data(), english);
    if (const auto* early = std::get_if<EarlyExit>(&englishParsed))
        CheckEarlyExit(*early);

    static const ToolCatalogue russian(ToolLanguage::Russian);
    const auto parsed = ParseCommandLine(argc, argv.data(), russian);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        CheckEarlyExit(*early);
        return 0;
    }
    if (const auto* attack = std::get_if<AttackJob>(&parsed)) {
        const AttackJob& job = *attack;
        FuzzCheck(Given(words, job.known) && Given(words, job.input), "the attack's files were given");
        FuzzCheck(job.known != "-" || job.input != "-", "fragment and ciphertext do not both come from standard input");
        if (job.at)
            FuzzCheck(std::any_of(words.begin(), words.end(),
                                  [&](const std::string& word) { return EndsWithNumber(word, *job.at); }),
                      "the position is a number given");
        return 0;
    }
    const BatchJob& job = std::get<BatchJob>(parsed);
    const std::u16string rotors = job.rotors.Text();
    FuzzCheck(rotors.size() == 5 && std::all_of(rotors.begin(), rotors.end(),
                                                [](char16_t c) { return c >= u'0' && c <= u'9'; }),
              "a job's rotors are five digits");
    const std::u16string& key = job.key.Symbols();
    FuzzCheck(key.size() == 5 && std::all_of(key.begin(), key.end(),
                                             [](char16_t c) { return Alphabet::Machine().Contains(c); }),
              "a job's key is five alphabet symbols");
    FuzzCheck(Given(words, job.input) && Given(words, job.output), "a job's files were given");
    return 0;
}
