// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AttackCommand.h"

#include "cli/BatchError.h"
#include "cli/InputFile.h"
#include "cli/StandardStreams.h"
#include "cli/Utf8.h"
#include "files/FileErrorReason.h"

#include "machine/Alphabet.h"
#include <CLI/CLI.hpp>
#include "analysis/KnownPlaintextAttack.h"
#include "analysis/RotorTables.h"
#include "machine/LineBreakNormalizer.h"
#include "machine/Windows1251.h"

#include <algorithm>
#include <set>
#include <vector>

namespace velista::cli {

namespace {

// Settings printed when a short fragment fits many; the rest are only counted.
constexpr std::size_t Printed = 1000;

const char* const Footer =
    "Фрагмент и шифротекст - файлы в кодировке Windows-1251; переводы строк (LF, CR LF, CR) считаются как CR LF,\n"
    "два символа, и --at отсчитывает позицию от 0 в таком тексте. Без --at фрагмент ищется на всех позициях.\n"
    "Каждая найденная настройка - строка РОТОРЫ<TAB>КЛЮЧ (ключ в UTF-8); итог - в стандартном потоке ошибок.\n"
    "Ключ находится с точностью до равносильных: прибавив одно число ко всем пяти поворотам роторов, получим\n"
    "ключ, который шифрует так же; выводится один ключ из каждых 135 равносильных.\n"
    "\n"
    "Коды завершения:\n"
    "  0  найдена хотя бы одна настройка\n"
    "  1  файл не прочитать; закрыт нужный стандартный ввод, вывод или поток ошибок\n"
    "  2  неверные аргументы (ничего не выведено)\n"
    "  3  ни одна настройка не подходит\n"
    "\n"
    "Пример:\n"
    "  velista-cli attack --known фрагмент.txt --at 120 письмо.vls";

EarlyExit Refuse(const std::string& why)
{
    return {UsageError, "velista-cli attack: " + why + "\nСправка: velista-cli attack --help\n"};
}


// A whole file's Windows-1251 text, its line breaks as CR LF.
std::u16string ReadText(const std::string& name)
{
    InputFile input(name);
    LineBreakNormalizer<char> lineBreaks;
    std::u16string text;
    std::string piece(std::size_t{1} << 16, '\0');
    while (const std::size_t got = input.Read(piece))
        lineBreaks.Normalize(std::string_view(piece.data(), got), text,
                             [](char c) { return Windows1251::Decode(static_cast<unsigned char>(c)); });
    return text;
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
        const std::string& value = at.front();
        const bool digits = !value.empty() && value.size() <= 18
            && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits)
            return Refuse("позиция " + Quoted(value) + " не подходит: нужно целое число от 0");
        job.at = static_cast<std::size_t>(std::stoull(value));
    }
    return job;
}

int AttackCommand::Run(const AttackJob& job, std::FILE* out, std::FILE* err)
{
    const std::u16string fragment = ReadText(job.known);
    const std::u16string ciphertext = ReadText(job.input);
    if (std::none_of(fragment.begin(), fragment.end(), [](char16_t c) { return Alphabet::Machine().Contains(c); })) {
        std::fputs("velista-cli attack: во фрагменте нет ни одного символа алфавита машины, ему подходит любая "
                   "настройка\n",
                   err);
        return UsageError;
    }
    if (job.at && (*job.at > ciphertext.size() || fragment.size() > ciphertext.size() - *job.at)) {
        std::fprintf(err,
                     "velista-cli attack: ни одна настройка не подходит: с позиции %zu фрагмент из %zu символов "
                     "выходит за конец шифротекста (%zu символов)\n",
                     *job.at, fragment.size(), ciphertext.size());
        return NothingFits;
    }

    const analysis::RotorTables tables;
    analysis::KnownPlaintextAttack attack(tables);
    attack.SetKeep(Printed);
    const analysis::AttackResult result = attack.Run(ciphertext, fragment, job.at);

    // One line per rotors and key class: the same setting may fit at more than one position.
    std::set<std::u16string> printed;
    for (const analysis::AttackSetting& setting : result.settings) {
        const std::u16string rotors = setting.RotorText();
        const std::u16string key = setting.Key(tables);
        if (printed.insert(rotors + u'\t' + key).second)
            std::fprintf(out, "%s\t%s\n", EncodeUtf8(rotors).c_str(), EncodeUtf8(key).c_str());
    }
    std::string covered = Decimal(result.settingsCovered, result.settingsCovered < 1e6 ? "%.0f" : "%.1e");
    covered.erase(std::remove(covered.begin(), covered.end(), '+'), covered.end());
    const std::string effort = "время " + Decimal(result.seconds, "%.2f") + " с; проверено настроек (роторы, "
        + "класс ключа, позиция) " + covered;
    if (result.found == 0) {
        std::fprintf(err, "velista-cli attack: ни одна настройка не подходит%s; %s\n",
                     job.at ? " на этой позиции" : "", effort.c_str());
        return NothingFits;
    }
    if (result.found == 1) {
        std::fprintf(err,
                     "velista-cli attack: настройка единственная с точностью до равносильных ключей (ещё 134 ключа с "
                     "поворотами, сдвинутыми на одно число, шифруют так же); фрагмент на позиции %zu; %s\n",
                     result.settings.front().position, effort.c_str());
    } else {
        std::fprintf(err,
                     "velista-cli attack: настройка не единственная: подходят %llu (выведено строк: %zu); возьмите "
                     "фрагмент длиннее; %s\n",
                     static_cast<unsigned long long>(result.found), printed.size(), effort.c_str());
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
        status = Run(job, stdout, stderr);
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
