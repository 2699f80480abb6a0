// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AttackCommand.h"

#include "cli/BatchError.h"
#include "cli/InputFile.h"
#include "cli/StandardStreams.h"
#include "cli/Utf8.h"
#include "files/FileErrorReason.h"

#include "analysis/AttackRequest.h"
#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
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

const char* const Footer =
    "Фрагмент и шифротекст - файлы в кодировке Windows-1251; переводы строк (LF, CR LF, CR) считаются как CR LF,\n"
    "два символа, и --at отсчитывает позицию от 0 в таком тексте. Без --at фрагмент ищется на всех позициях.\n"
    "Каждая найденная настройка - строка РОТОРЫ<TAB>КЛЮЧ (ключ в UTF-8); итог - в стандартном потоке ошибок.\n"
    "Ключ находится с точностью до равносильных: прибавив одно число ко всем пяти поворотам роторов, получим\n"
    "ключ, который шифрует так же; выводится один ключ из каждых 135 равносильных, и каждая настройка - один раз,\n"
    "на скольких бы позициях она ни подходила (позиции названы в итоге).\n"
    "Читаются обычные файлы и каналы, не устройства; фрагмент - до 64 КиБ, шифротекст - до 256 МиБ.\n"
    "\n"
    "Коды завершения:\n"
    "  0  найдена хотя бы одна настройка\n"
    "  1  файл не прочитать, это устройство или он слишком велик; закрыт нужный стандартный поток\n"
    "  2  неверные аргументы; во фрагменте нет символов алфавита или их слишком мало (ничего не выведено)\n"
    "  3  ни одна настройка не подходит\n"
    "\n"
    "Пример:\n"
    "  velista-cli attack --known фрагмент.txt --at 120 письмо.vls";

EarlyExit Refuse(const std::string& why)
{
    return {UsageError, "velista-cli attack: " + why + "\nСправка: velista-cli attack --help\n"};
}


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

// Any number of digits is a position; one beyond what the system counts lies past any ciphertext's end.
std::optional<std::size_t> WholeNumber(const std::string& value)
{
    if (value.empty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    constexpr std::size_t Most = std::numeric_limits<std::size_t>::max();
    std::size_t number = 0;
    for (const char c : value) {
        const auto digit = static_cast<std::size_t>(c - '0');
        if (number > (Most - digit) / 10)
            return Most;
        number = number * 10 + digit;
    }
    return number;
}

std::string PositionList(const std::vector<std::size_t>& positions, std::uint64_t fits)
{
    std::string list;
    for (std::size_t n = 0; n < positions.size() && n < PositionsNamed; ++n)
        list += (n == 0 ? "" : ", ") + std::to_string(positions[n]);
    if (fits > std::min<std::uint64_t>(positions.size(), PositionsNamed))
        list += " и ещё " + std::to_string(fits - std::min<std::uint64_t>(positions.size(), PositionsNamed));
    return list;
}

// "0,12" rather than "0.12".
std::string Decimal(double value, const char* format)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::string result = text;
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

}  // namespace

bool AttackCommand::Asked(int argc, char** argv)
{
    return argc > 1 && std::string_view(argv[1]) == "attack";
}

std::variant<AttackJob, EarlyExit> AttackCommand::Parse(int argc, char** argv)
{
    auto [words, operands, afterDashes] = SplitAtDashes(argc, argv, 2);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--known" && words[i] != "--at")
            continue;
        const auto option = [](const std::string& word) {
            return word == "--known" || word == "--at" || word == "-h" || word == "--help";
        };
        if (i + 1 == words.size() || option(words[i + 1]))
            return Refuse("у параметра " + words[i] + " не указано значение");
        ++i;
    }

    CLI::App app{"Ищет роторы и ключ, которые превращают известный фрагмент открытого текста в шифротекст.",
                 "velista-cli attack"};
    auto formatter = app.get_formatter();
    formatter->label("Usage", "Использование");
    formatter->label("OPTIONS", "ПАРАМЕТРЫ");
    formatter->label("Options", "Параметры");
    formatter->label("Positionals", "Аргументы");
    formatter->label("REQUIRED", "обязателен");
    formatter->column_width(24);
    app.option_defaults()->group("Параметры");
    app.set_help_flag("-h,--help", "показать эту справку и выйти");
    app.footer(Footer);
    std::vector<std::string> known, at;
    std::vector<std::string> inputs;
    app.add_option("--known", known, "файл с известным фрагментом открытого текста; «-» - стандартный ввод")
        ->type_name("FILE")
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("--at", at, "позиция фрагмента в тексте, от 0; без неё - любая")
        ->type_name("POSITION")
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("CIPHERTEXT", inputs, "файл шифротекста; без него или «-» - стандартный ввод")->type_name("");
    std::vector<char*> arguments{argv[0]};
    for (auto& word : words)
        arguments.push_back(word.data());
    try {
        app.parse(static_cast<int>(arguments.size()), arguments.data());
    } catch (const CLI::CallForHelp&) {
        return EarlyExit{0, app.help()};
    } catch (const CLI::ParseError& error) {
        const std::string what = error.what();
        if (what.rfind("The following argument", 0) == 0 && what.find(": ") != std::string::npos)
            return Refuse("неизвестный параметр " + Quoted(what.substr(what.find(": ") + 2))
                          + "; если это имя файла, напишите его после «--»");
        return Refuse("командная строка не разобрана: " + EscapeForTerminal(what));
    }
    inputs.insert(inputs.end(), operands.begin(), operands.end());
    if (known.empty())
        return Refuse("не задан известный фрагмент: укажите --known и файл с ним");
    if (known.size() > 1)
        return Refuse("параметр --known указан " + std::to_string(known.size()) + " раза, а нужен один раз");
    if (at.size() > 1)
        return Refuse("параметр --at указан " + std::to_string(at.size()) + " раза, а нужен один раз");
    if (inputs.size() > 1)
        return Refuse("файл шифротекста указывается один, а дано " + std::to_string(inputs.size()));
    AttackJob job;
    job.known = known.front();
    job.input = inputs.empty() ? "-" : inputs.front();
    if (job.known == "-" && job.input == "-")
        return Refuse("фрагмент и шифротекст не могут оба идти со стандартного ввода: укажите файл шифротекста");
    if (!at.empty()) {
        job.at = WholeNumber(at.front());
        if (!job.at)
            return Refuse("позиция " + Quoted(at.front()) + " не подходит: нужно целое число от 0");
    }
    return job;
}

int AttackCommand::Run(const AttackJob& job, std::FILE* out, std::FILE* err, bool showProgress)
{
    AttackRequest request;
    request.fragment = ReadFragment(job.known);
    const std::u16string ciphertext = ReadCiphertext(job.input);
    request.position = job.at;
    request.ciphertextLength = ciphertext.size();
    if (const AttackProblem problem = request.Check(); problem != AttackProblem::None) {
        std::fprintf(err, "velista-cli attack: %s\n", AttackProblemText(request, problem).c_str());
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
                std::fprintf(err, "\rИдёт поиск: %3.0f %%, найдено настроек: %llu ", 100 * progress.fraction,
                             static_cast<unsigned long long>(progress.found));
                std::fflush(err);
                progressShown = true;
            },
            std::chrono::milliseconds(250));
    }
    const analysis::AttackResult result = attack.Run(ciphertext, request.fragment, job.at);
    if (progressShown)
        std::fprintf(err, "\r%60s\r", "");

    for (const analysis::AttackSetting& setting : result.settings)
        std::fprintf(out, "%s\t%s\n", EncodeUtf8(setting.RotorText()).c_str(), EncodeUtf8(setting.Key(tables)).c_str());
    std::string covered = Decimal(result.settingsCovered, result.settingsCovered < 1e6 ? "%.0f" : "%.1e");
    covered.erase(std::remove(covered.begin(), covered.end(), '+'), covered.end());
    const std::string effort = "время " + Decimal(result.seconds, "%.2f") + " с; проверено настроек (роторы, "
        + "класс ключа, позиция) " + covered;
    if (result.found == 0) {
        std::fprintf(err, "velista-cli attack: ни одна настройка не подходит%s; %s\n",
                     job.at ? " на этой позиции" : "", effort.c_str());
        return NothingFits;
    }
    if (result.Unique()) {
        const analysis::AttackSetting& setting = result.settings.front();
        const std::string where = result.fits == 1
            ? "фрагмент на позиции " + std::to_string(setting.position)
            : "фрагмент подходит на " + std::to_string(result.fits) + " позициях: "
                + PositionList(setting.positions, result.fits);
        std::fprintf(err,
                     "velista-cli attack: настройка единственная с точностью до равносильных ключей (ещё 134 ключа с "
                     "поворотами, сдвинутыми на одно число, шифруют так же); %s; %s\n",
                     where.c_str(), effort.c_str());
    } else {
        std::fprintf(err,
                     "velista-cli attack: настройка не единственная: подходят %llu (выведено строк: %zu); возьмите "
                     "фрагмент длиннее; %s\n",
                     static_cast<unsigned long long>(result.found), result.settings.size(), effort.c_str());
    }
    return 0;
}

int AttackCommand::Main(int argc, char** argv, const StandardStreams& streams)
{
    auto parsed = Parse(argc, argv);
    if (const auto* early = std::get_if<EarlyExit>(&parsed))
        return ReportEarlyExit(*early, streams);
    const AttackJob& job = std::get<AttackJob>(parsed);
    if ((job.input == "-" || job.known == "-") && streams.WasClosed(0)) {
        std::fputs("velista-cli: стандартный ввод закрыт: укажите файлы фрагмента и шифротекста\n", stderr);
        return 1;
    }
    if (streams.WasClosed(1)) {
        std::fputs("velista-cli: стандартный вывод закрыт: найденные настройки некуда вывести\n", stderr);
        return 1;
    }
    int status = 0;
    try {
        status = Run(job, stdout, stderr, streams.IsTerminal(2));
    } catch (const BatchError& error) {
        std::fprintf(stderr, "velista-cli: %s\n", error.what());
        return 1;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "velista-cli: не удаётся записать стандартный вывод: %s\n",
                     FileErrorReason(errno).c_str());
        return 1;
    }
    return status;
}

}  // namespace velista::cli
