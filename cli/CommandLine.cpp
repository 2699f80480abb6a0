// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "VelistaIdentity.h"
#include "cli/StandardStreams.h"
#include "cli/Utf8.h"

#include "machine/Alphabet.h"
#include <CLI/CLI.hpp>

#include <cstdio>

#include <algorithm>
#include <vector>

namespace velista::cli {

namespace {

const char* const HelpHint = "Справка: velista-cli --help";

const char* const Footer =
    "Коды завершения:\n"
    "  0  готово\n"
    "  1  файл не прочитать или не записать (прежний файл результата остаётся как был);\n"
    "     закрыт нужный стандартный ввод, вывод или поток ошибок\n"
    "  2  неверные аргументы (ничего не записано)\n"
    "  128 + номер сигнала  прервано сигналом (130 - Ctrl+C, 143 - SIGTERM); временный файл удалён\n"
    "\n"
    "Пример:\n"
    "  velista-cli encrypt --rotors 73915 --key 'Ключ1' -o письмо.vls письмо.txt\n"
    "  velista-cli decrypt --rotors 73915 --key 'Ключ1' письмо.vls\n"
    "  velista-cli trace --rotors 73915 --key 'Ключ1' письмо.txt\n"
    "Роторы и ключ по известному фрагменту текста: velista-cli attack --help\n"
    "Имя файла, начинающееся с «-», пишется после «--»: velista-cli encrypt ... -- -файл.txt";

EarlyExit Refuse(const std::string& why)
{
    return {UsageError, "velista-cli: " + why + "\n" + HelpHint + "\n"};
}

std::string QuotedList(const std::vector<std::string>& values)
{
    std::string list;
    for (const auto& value : values)
        list += (list.empty() ? "" : ", ") + Quoted(value);
    return list;
}

void SpeakRussian(CLI::App& app)
{
    auto formatter = app.get_formatter();
    formatter->label("Usage", "Использование");
    formatter->label("OPTIONS", "ПАРАМЕТРЫ");
    formatter->label("SUBCOMMAND", "КОМАНДА");
    formatter->label("SUBCOMMANDS", "КОМАНДЫ");
    formatter->label("Options", "Параметры");
    formatter->label("Positionals", "Аргументы");
    formatter->label("REQUIRED", "обязателен");
    formatter->column_width(24);
}

std::string RotorsProblem(const std::string& rotors)
{
    if (rotors.empty())
        return "не заданы номера роторов: укажите --rotors и пять цифр, например --rotors 01234";
    bool digits = rotors.size() == 5;
    for (const char c : rotors)
        digits = digits && c >= '0' && c <= '9';
    if (!digits)
        return "номера роторов " + Quoted(rotors) + " не подходят: нужно ровно пять цифр от 0 до 9, например 01234";
    return {};
}

// The key's problem, or nothing when key holds its five alphabet symbols.
std::string KeyProblem(const std::string& key, std::u16string& symbols)
{
    if (key.empty())
        return "не задан ключ: укажите --key и пять символов алфавита машины";
    const std::optional<std::u32string> decoded = DecodeUtf8(key);
    if (!decoded)
        return "ключ " + Quoted(key) + " не прочитать: он не в кодировке UTF-8";
    // Characters, not bytes or UTF-16 units: a letter typed as a base letter and a combining mark
    // is one character, and so is an emoji.
    const std::u32string composed = ComposeCanonical(*decoded);
    if (composed.size() != 5)
        return "ключ " + Quoted(key) + " не подходит: нужно ровно пять символов, а их "
            + std::to_string(composed.size());
    symbols.clear();
    for (const char32_t c : composed) {
        if (c > 0xFFFF || !Alphabet::Machine().Contains(static_cast<char16_t>(c)))
            return "ключ " + Quoted(key)
                + " не подходит: в нём есть символ вне алфавита машины (алфавит: латинские и русские буквы"
                  " без Ё и ё, цифры, пробел и знаки ( ) , - . : [ ])";
        symbols += static_cast<char16_t>(c);
    }
    return {};
}

bool IsCommand(const std::string& word)
{
    return word == "encrypt" || word == "decrypt" || word == "trace" || word == "attack";
}

bool AsksForHelpOrVersion(const std::string& word)
{
    return word == "-h" || word == "--help" || word == "--version";
}

// What is wrong with the words before the command, before CLI11 reads them: CLI11 would name them in
// English and in reverse order.
std::string OrderProblem(const std::vector<std::string>& words, bool operands)
{
    if (std::any_of(words.begin(), words.end(), AsksForHelpOrVersion))
        return {};
    const auto command = std::find_if(words.begin(), words.end(), IsCommand);
    if (command == words.end()) {
        if (words.empty() && !operands)
            return "не задана команда: encrypt, decrypt, trace или attack";
        return "не задана команда: первым аргументом должно быть encrypt, decrypt, trace или attack, а не "
            + Quoted(words.empty() ? std::string("--") : words.front());
    }
    if (command == words.begin())
        return {};
    std::string before;
    for (auto word = words.begin(); word != command; ++word)
        before += (before.empty() ? "" : " ") + *word;
    return Quoted(before) + " стоит перед командой " + *command
        + ": сначала пишется команда, затем параметры, например velista-cli " + *command
        + " --rotors 01234 --key KEY INPUT";
}

bool TakesValue(const std::string& word)
{
    return word == "--rotors" || word == "--key" || word == "-o" || word == "--output";
}

// An option followed by another option rather than its value. CLI11 reports it in English, or as a
// missing other value, or as one file too many.
std::string MissingValue(const std::vector<std::string>& words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!TakesValue(words[i]))
            continue;
        if (i + 1 == words.size())
            return "у параметра " + words[i] + " не указано значение";
        if (TakesValue(words[i + 1]) || AsksForHelpOrVersion(words[i + 1]))
            return "у параметра " + words[i] + " не указано значение: за ним сразу идёт " + words[i + 1];
        ++i;
    }
    return {};
}

// A value given once: more than once is refused by name rather than one of them silently used.
std::string RepeatProblem(const std::vector<std::string>& values, const char* option)
{
    if (values.size() > 1)
        return std::string("параметр ") + option + " указан " + std::to_string(values.size())
            + " раза (" + QuotedList(values) + "), а нужен один раз";
    return {};
}

}  // namespace

SplitArguments SplitAtDashes(int argc, char** argv, int first)
{
    SplitArguments split;
    for (int i = first; i < argc; ++i) {
        std::string word = argv[i];
        if (split.dashes)
            split.operands.push_back(std::move(word));
        else if (word == "--")
            split.dashes = true;
        else
            split.words.push_back(std::move(word));
    }
    return split;
}

int ReportEarlyExit(const EarlyExit& early, const StandardStreams& streams)
{
    if (early.status == 0 && streams.WasClosed(1)) {
        std::fputs("velista-cli: стандартный вывод закрыт, справку некуда вывести\n", stderr);
        return 1;
    }
    std::fputs(early.text.c_str(), early.status == 0 ? stdout : stderr);
    if (std::fflush(stdout) != 0)
        return 1;
    return early.status;
}

std::variant<BatchJob, EarlyExit> ParseCommandLine(int argc, char** argv)
{
    auto [words, operands, afterDashes] = SplitAtDashes(argc, argv, 1);
    if (const std::string problem = OrderProblem(words, afterDashes); !problem.empty())
        return Refuse(problem);
    if (const std::string problem = MissingValue(words); !problem.empty())
        return Refuse(problem);

    CLI::App app{"Велиста: шифровальная машина с пятью роторами.\n"
                 "Шифрует и расшифровывает тексты в кодировке Windows-1251; переводы строк записываются как CR LF.",
                 "velista-cli"};
    SpeakRussian(app);
    app.option_defaults()->group("Параметры");
    app.set_help_flag("-h,--help", "показать эту справку и выйти");
    app.set_version_flag("--version", std::string("velista-cli ") + identity::Version + "\n" + identity::Licence,
                         "показать версию и лицензию и выйти");
    app.require_subcommand(1);
    app.footer(Footer);

    std::vector<std::string> rotors;
    std::vector<std::string> keys;
    std::vector<std::string> outputs;
    std::string input;
    auto describe = [&](CLI::App* command) {
        command->group("Команды");
        command->set_help_flag("-h,--help", "показать эту справку и выйти");
        command->add_option("--rotors", rotors, "пять номеров роторов из десяти (0-9), например 01234")
            ->type_name("01234")
            ->expected(1)
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        command->add_option("--key", keys, "ключ: пять символов алфавита машины")
            ->type_name("KEY")
            ->expected(1)
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        command->add_option("-o,--output", outputs, "файл результата; без него или «-» - стандартный вывод")
            ->type_name("OUTPUT")
            ->expected(1)
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        command->add_option("INPUT", input, "исходный файл; без него или «-» - стандартный ввод")->type_name("");
        command->allow_extras();
        command->footer(Footer);
    };
    CLI::App* encrypt = app.add_subcommand("encrypt", "зашифровать открытый текст");
    CLI::App* decrypt = app.add_subcommand("decrypt", "расшифровать шифротекст");
    describe(encrypt);
    describe(decrypt);
    CLI::App* trace = app.add_subcommand(
        "trace", "путь каждого символа через пять роторов: позиция, символ и четыре хода, по строке на позицию");
    describe(trace);
    bool decryptTrace = false;
    trace->add_flag("--decrypt", decryptTrace, "путь при расшифровании, от пятого ротора к первому");

    std::vector<char*> arguments{argv[0]};
    for (auto& word : words)
        arguments.push_back(word.data());
    try {
        app.parse(static_cast<int>(arguments.size()), arguments.data());
    } catch (const CLI::CallForHelp&) {
        return EarlyExit{0, app.help("", CLI::AppFormatMode::All)};
    } catch (const CLI::CallForVersion& version) {
        return EarlyExit{0, version.what()};
    } catch (const CLI::RequiredError&) {
        return Refuse("не задана команда: encrypt, decrypt, trace или attack");
    } catch (const CLI::ArgumentMismatch& mismatch) {
        // CLI11 names the option before the first colon.
        const std::string what = mismatch.what();
        return Refuse("у параметра " + what.substr(0, what.find(':')) + " не указано значение");
    } catch (const CLI::ParseError& error) {
        return Refuse(std::string("командная строка не разобрана: ") + EscapeForTerminal(error.what()));
    }

    CLI::App* chosen = encrypt->parsed() ? encrypt : trace->parsed() ? trace : decrypt;
    std::vector<std::string> inputs;
    if (chosen->get_option("INPUT")->count() > 0)
        inputs.push_back(input);
    std::vector<std::string> unknown;
    for (const auto& extra : chosen->remaining()) {
        if (extra.size() > 1 && extra.front() == '-')
            unknown.push_back(extra);
        else
            inputs.push_back(extra);
    }
    if (!unknown.empty())
        return Refuse("неизвестный параметр " + QuotedList(unknown)
                      + "; если это имя файла, напишите его после «--»: velista-cli "
                      + chosen->get_name() + " ... -- " + EscapeForTerminal(unknown.front()));
    inputs.insert(inputs.end(), operands.begin(), operands.end());
    if (inputs.size() > 1)
        return Refuse("исходный файл указывается один, а дано " + std::to_string(inputs.size()) + ": "
                      + QuotedList(inputs));
    for (const auto& [values, option] : {std::pair{&rotors, "--rotors"}, std::pair{&keys, "--key"},
                                         std::pair{&outputs, "-o (--output)"}}) {
        if (const std::string problem = RepeatProblem(*values, option); !problem.empty())
            return Refuse(problem);
    }
    const std::string rotorText = rotors.empty() ? std::string() : rotors.front();
    if (const std::string problem = RotorsProblem(rotorText); !problem.empty())
        return Refuse(problem);
    BatchJob job;
    if (const std::string problem = KeyProblem(keys.empty() ? std::string() : keys.front(), job.key);
        !problem.empty())
        return Refuse(problem);

    job.direction = chosen == encrypt || (chosen == trace && !decryptTrace) ? Direction::Encrypt : Direction::Decrypt;
    job.trace = chosen == trace;
    job.rotors.assign(rotorText.begin(), rotorText.end());
    job.input = inputs.empty() ? "-" : inputs.front();
    job.output = outputs.empty() ? "-" : outputs.front();
    return job;
}

}  // namespace velista::cli
