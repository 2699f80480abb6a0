// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AttackCommand.h"

#include "cli/BatchError.h"
#include "cli/InputFile.h"
#include "cli/StandardStreams.h"
#include "cli/ToolCatalogue.h"
#include "cli/Utf8.h"
#include "files/FileErrorReason.h"

#include "analysis/AttackRequest.h"
#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace velista::cli {

namespace {

using analysis::AttackProblem;
using analysis::AttackRequest;

// Settings printed when a short fragment fits many; the rest are only counted.
constexpr std::size_t Printed = 1000;
// Positions named on standard error for a setting that fits at several.
constexpr std::size_t PositionsNamed = 20;
const char* const CannotRead = "не удаётся прочитать";

std::string Shown(const std::string& name)
{
    return name == "-" ? "стандартный ввод" : name;
}

// The fragment's Windows-1251 text, its line breaks as CR LF. A line break becomes at least one character,
// so more than MaxFragment bytes are more than MaxFragment characters: no more is read to tell.
std::u16string ReadFragment(const std::string& name)
{
    InputFile input(name, InputFile::Accept::FileOrPipe);
    std::string bytes(AttackRequest::MaxFragment + 1, '\0');
    bytes.resize(input.Read(bytes));
    AttackRequest request;
    request.fragment = analysis::NormaliseFragment(Windows1251::Decode(bytes));
    if (request.fragment.size() > AttackRequest::MaxFragment)
        throw FileRefusal(CannotRead, Shown(name), AttackProblemText(request, AttackProblem::FragmentTooLong));
    return std::move(request.fragment);
}

// The ciphertext's Windows-1251 text, its line breaks as CR LF, read up to its limit and refused beyond: a pipe
// that never ends is stopped there. The search needs it whole, two bytes a character.
std::u16string ReadCiphertext(const std::string& name)
{
    InputFile input(name, InputFile::Accept::FileOrPipe);
    const std::size_t piece = std::size_t{1} << 16;
    const std::uint64_t size = input.RegularSize();
    // Every byte is at least one character: a larger file is refused without reading it.
    if (size > AttackRequest::MaxCiphertext) {
        AttackRequest request;
        request.ciphertextLength = static_cast<std::size_t>(std::min<std::uint64_t>(size, SIZE_MAX));
        throw FileRefusal(CannotRead, Shown(name), AttackProblemText(request, AttackProblem::CiphertextTooLong));
    }
    // The room for the most the text can become is taken at once: the system backs only the pages written, and
    // the string, grown by doubling, held one and a half times the text at its peak (1 GiB at the limit).
    std::u16string text;
    const std::size_t most = AttackRequest::MaxCiphertext + 2 * piece;
    text.reserve(size != 0 ? static_cast<std::size_t>(std::min<std::uint64_t>(2 * size + 2 * piece, most)) : most);
    LineBreakNormalizer<char> lineBreaks;
    std::string bytes(piece, '\0');
    while (const std::size_t got = input.Read(bytes)) {
        lineBreaks.Normalize(std::string_view(bytes.data(), got), text,
                             [](char c) { return Windows1251::Decode(static_cast<unsigned char>(c)); });
        if (text.size() > AttackRequest::MaxCiphertext) {
            AttackRequest request;
            request.ciphertextLength = text.size();
            throw FileRefusal(CannotRead, Shown(name), AttackProblemText(request, AttackProblem::CiphertextTooLong));
        }
    }
    return text;
}

std::string PositionList(const std::vector<std::size_t>& positions, std::uint64_t fits, const ToolCatalogue& catalogue)
{
    std::string list;
    for (std::size_t n = 0; n < positions.size() && n < PositionsNamed; ++n)
        list += (n == 0 ? "" : ", ") + std::to_string(positions[n]);
    if (fits > std::min<std::uint64_t>(positions.size(), PositionsNamed))
        list += catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", " и ещё %1"),
                               {std::to_string(fits - std::min<std::uint64_t>(positions.size(), PositionsNamed))});
    return list;
}

// "0,12" in Russian, "0.12" in English: the decimal mark is the catalogue's.
std::string Decimal(double value, const char* format, const ToolCatalogue& catalogue)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::string result = text;
    //: The decimal mark in the attack's time and counts.
    const std::string mark = catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", ","));
    if (const std::size_t point = result.find('.'); point != std::string::npos)
        result.replace(point, 1, mark);
    return result;
}

}  // namespace

int AttackCommand::Run(const AttackJob& job, std::FILE* out, std::FILE* err, const ToolCatalogue& catalogue,
                       bool showProgress)
{
    AttackRequest request;
    request.fragment = ReadFragment(job.known);
    const std::u16string ciphertext = ReadCiphertext(job.input);
    request.position = job.at;
    request.ciphertextLength = ciphertext.size();
    if (const AttackProblem problem = request.Check(); problem != AttackProblem::None) {
        std::fprintf(err, "velista-cli attack: %s\n", catalogue.FromRussian(AttackProblemText(request, problem)).c_str());
        return problem == AttackProblem::PastTheEnd ? NothingFits : UsageError;
    }

    const analysis::RotorTables tables;
    analysis::KnownPlaintextAttack attack(tables);
    attack.SetKeep(Printed);
    // A person at a terminal is told how far a search has come once it takes longer than a second; a pipe or a
    // file gets only the result.
    bool progressShown = false;
    if (showProgress) {
        const auto started = std::chrono::steady_clock::now();
        attack.SetProgressCallback(
            [&, started](const analysis::AttackProgress& progress) {
                if (std::chrono::steady_clock::now() - started < std::chrono::seconds(1))
                    return;
                char percent[16];
                std::snprintf(percent, sizeof percent, "%3.0f", 100 * progress.fraction);
                const std::string shown = catalogue.Text(
                    QT_TRANSLATE_NOOP("velista-cli", "Идёт поиск: %1 %, найдено настроек: %2 "),
                    {percent, std::to_string(progress.found)});
                std::fprintf(err, "\r%s", shown.c_str());
                std::fflush(err);
                progressShown = true;
            },
            std::chrono::milliseconds(250));
    }
    const analysis::AttackResult result = attack.Run(ciphertext, request.fragment, job.at);
    if (progressShown)
        std::fprintf(err, "\r%60s\r", "");

    for (const analysis::AttackSetting& setting : result.settings)
        std::fprintf(out, "%s\t%s\n", EncodeUtf8(setting.Rotors().Text()).c_str(),
                     EncodeUtf8(setting.Key(tables).Symbols()).c_str());
    std::string covered =
        Decimal(result.settingsCovered, result.settingsCovered < 1e6 ? "%.0f" : "%.1e", catalogue);
    covered.erase(std::remove(covered.begin(), covered.end(), '+'), covered.end());
    const std::string effort = catalogue.Text(
        QT_TRANSLATE_NOOP("velista-cli", "время %1 с; проверено настроек (роторы, класс ключа, позиция) %2"),
        {Decimal(result.seconds, "%.2f", catalogue), covered});
    std::string summary;
    if (result.found == 0) {
        summary = job.at ? catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "ни одна настройка не подходит на этой "
                                                                           "позиции; %1"),
                                          {effort})
                         : catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "ни одна настройка не подходит; %1"),
                                          {effort});
    } else if (result.Unique()) {
        const analysis::AttackSetting& setting = result.settings.front();
        const std::string where = result.fits == 1
            ? catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "фрагмент на позиции %1"),
                             {std::to_string(setting.position)})
            : catalogue.Counted(QT_TRANSLATE_N_NOOP("velista-cli", "фрагмент подходит на %n позициях: %1"),
                                result.fits, {PositionList(setting.positions, result.fits, catalogue)});
        summary = catalogue.Text(QT_TRANSLATE_NOOP("velista-cli",
                                                   "настройка единственная с точностью до равносильных ключей (ещё "
                                                   "134 ключа с поворотами, сдвинутыми на одно число, шифруют так же); "
                                                   "%1; %2"),
                                 {where, effort});
    } else {
        summary = catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "настройка не единственная: подходят %1 (выведено "
                                                                  "строк: %2); возьмите фрагмент длиннее; %3"),
                                 {std::to_string(result.found), std::to_string(result.settings.size()), effort});
    }
    std::fprintf(err, "velista-cli attack: %s\n", summary.c_str());
    return result.found == 0 ? NothingFits : 0;
}

int AttackCommand::Main(const AttackJob& job, const StandardStreams& streams, const ToolCatalogue& catalogue)
{
    const auto refuse = [&](const char* why) {
        std::fprintf(stderr, "velista-cli: %s\n", catalogue.Text(why).c_str());
        return 1;
    };
    if ((job.input == "-" || job.known == "-") && streams.WasClosed(0))
        return refuse(QT_TRANSLATE_NOOP("velista-cli", "стандартный ввод закрыт: укажите файлы фрагмента и шифротекста"));
    if (streams.WasClosed(1))
        return refuse(QT_TRANSLATE_NOOP("velista-cli", "стандартный вывод закрыт: найденные настройки некуда вывести"));
    int status = 0;
    try {
        status = Run(job, stdout, stderr, catalogue, streams.IsTerminal(2));
    } catch (const BatchError& error) {
        std::fprintf(stderr, "velista-cli: %s\n", catalogue.FromRussian(error.what()).c_str());
        return 1;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "velista-cli: %s\n",
                     catalogue
                         .Text(QT_TRANSLATE_NOOP("velista-cli", "не удаётся записать стандартный вывод: %1"),
                               {catalogue.FromRussian(FileErrorReason(errno))})
                         .c_str());
        return 1;
    }
    return status;
}

}  // namespace velista::cli
