// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "VelistaIdentity.h"
#include "cli/StandardStreams.h"
#include "cli/ToolCatalogue.h"
#include "cli/Utf8.h"

#include "machine/MachineKey.h"
#include "machine/RotorChoice.h"
#include "machine/SettingProblem.h"

#include <CLI/CLI.hpp>

#include <cstdio>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace velista::cli {

namespace {

const char* const HelpHint = QT_TRANSLATE_NOOP("velista-cli", "Справка: velista-cli --help");

const char* const Footer = QT_TRANSLATE_NOOP("velista-cli",
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
    "Имя файла, начинающееся с «-», пишется после «--»: velista-cli encrypt ... -- -файл.txt");

// CLI11's own words, in English, for what no check before it caught.
std::string CommandLineUnread(const ToolCatalogue& catalogue, const std::string& what)
{
    return catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "командная строка не разобрана: %1"),
                          {EscapeForTerminal(what)});
}

EarlyExit Refuse(const ToolCatalogue& catalogue, const std::string& why)
{
    return {UsageError, "velista-cli: " + why + "\n" + catalogue.Text(HelpHint) + "\n"};
}

const char* const AttackAbout = QT_TRANSLATE_NOOP(
    "velista-cli", "Ищет роторы и ключ, которые превращают известный фрагмент открытого текста в шифротекст.");

const char* const AttackFooter = QT_TRANSLATE_NOOP("velista-cli",
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
    "  velista-cli attack --known фрагмент.txt --at 120 письмо.vls");

// The attack's refusals name the command and its own help.
EarlyExit RefuseAttack(const ToolCatalogue& catalogue, const std::string& why)
{
    return {UsageError, "velista-cli attack: " + why + "\n"
                            + catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "Справка: velista-cli attack --help"))
                            + "\n"};
}

EarlyExit AttackParseRefusal(const ToolCatalogue& catalogue, const CLI::ParseError& error)
{
    const std::string what = error.what();
    if (what.rfind("The following argument", 0) == 0 && what.find(": ") != std::string::npos)
        return RefuseAttack(catalogue, catalogue.Text(QT_TRANSLATE_NOOP("velista-cli",
                                                                        "неизвестный параметр %1; если это имя файла, "
                                                                        "напишите его после «--»"),
                                                      {Quoted(what.substr(what.find(": ") + 2))}));
    return RefuseAttack(catalogue, CommandLineUnread(catalogue, what));
}

std::string NoValue(const ToolCatalogue& catalogue, const std::string& option)
{
    return catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "у параметра %1 не указано значение"), {option});
}

// The attack's option followed by another option rather than its value, among the words after attack. CLI11
// would name it in English.
std::string AttackMissingValue(const ToolCatalogue& catalogue, const std::vector<std::string>& words)
{
    const auto option = [](const std::string& word) {
        return word == "--known" || word == "--at" || word == "-h" || word == "--help";
    };
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] != "--known" && words[i] != "--at")
            continue;
        if (i + 1 == words.size() || option(words[i + 1]))
            return NoValue(catalogue, words[i]);
        ++i;
    }
    return {};
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


std::string QuotedList(const std::vector<std::string>& values)
{
    std::string list;
    for (const auto& value : values)
        list += (list.empty() ? "" : ", ") + Quoted(value);
    return list;
}

// CLI11's help formatter with its labels in the tool's language.
void SpeakLanguage(CLI::App& app, const ToolCatalogue& catalogue)
{
    auto formatter = app.get_formatter();
    formatter->label("Usage", catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "Использование")));
    formatter->label("OPTIONS", catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "ПАРАМЕТРЫ")));
    formatter->label("SUBCOMMAND", catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "КОМАНДА")));
    formatter->label("SUBCOMMANDS", catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "КОМАНДЫ")));
    formatter->label("Options", catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "Параметры")));
    formatter->label("Positionals", catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "Аргументы")));
    formatter->label("REQUIRED", catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "обязателен")));
    formatter->column_width(24);
}

// The rotors that the option names, or the refusal.
// The rotor choice's and the key's problems are the core's Russian texts, translated whole.
std::variant<RotorChoice, EarlyExit> RotorsOf(const ToolCatalogue& catalogue, const std::string& rotors)
{
    if (rotors.empty())
        return Refuse(catalogue, catalogue.FromRussian(
                                     "не заданы номера роторов: укажите --rotors и пять цифр, например --rotors 01234"));
    // Widened byte by byte: a byte beyond ASCII is no digit, so no decoding is needed to refuse it.
    std::u16string digits;
    for (const char c : rotors)
        digits += static_cast<char16_t>(static_cast<unsigned char>(c));
    auto parsed = RotorChoice::Parse(digits);
    if (const auto* problem = std::get_if<SettingProblem>(&parsed))
        return Refuse(catalogue, catalogue.FromRussian(problem->RussianText(Quoted(rotors))));
    return std::get<RotorChoice>(parsed);
}

// The key that the option gives, or the refusal.
std::variant<MachineKey, EarlyExit> KeyOf(const ToolCatalogue& catalogue, const std::string& key)
{
    if (key.empty())
        return Refuse(catalogue, catalogue.FromRussian("не задан ключ: укажите --key и пять символов алфавита машины"));
    const std::optional<std::u32string> decoded = DecodeUtf8(key);
    if (!decoded)
        return Refuse(catalogue, catalogue.FromRussian("ключ " + Quoted(key) + " не прочитать: он не в кодировке UTF-8"));
    // Characters, not bytes or UTF-16 units: a letter typed as a base letter and a combining mark
    // is one character, and so is an emoji.
    auto parsed = MachineKey::Parse(ComposeCanonical(*decoded));
    if (const auto* problem = std::get_if<SettingProblem>(&parsed))
        return Refuse(catalogue, catalogue.FromRussian(problem->RussianText(Quoted(key))));
    return std::get<MachineKey>(parsed);
}

const char* const NoCommand =
    QT_TRANSLATE_NOOP("velista-cli", "не задана команда: encrypt, decrypt, trace или attack");

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
std::string OrderProblem(const ToolCatalogue& catalogue, const std::vector<std::string>& words, bool operands)
{
    if (std::any_of(words.begin(), words.end(), AsksForHelpOrVersion))
        return {};
    const auto command = std::find_if(words.begin(), words.end(), IsCommand);
    if (command == words.end()) {
        if (words.empty() && !operands)
            return catalogue.Text(NoCommand);
        return catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "не задана команда: первым аргументом должно быть "
                                                               "encrypt, decrypt, trace или attack, а не %1"),
                              {Quoted(words.empty() ? std::string("--") : words.front())});
    }
    if (command == words.begin())
        return {};
    std::string before;
    for (auto word = words.begin(); word != command; ++word)
        before += (before.empty() ? "" : " ") + *word;
    return catalogue.Text(QT_TRANSLATE_NOOP("velista-cli",
                                            "%1 стоит перед командой %2: сначала пишется команда, затем параметры, "
                                            "например velista-cli %2 --rotors 01234 --key KEY INPUT"),
                          {Quoted(before), *command});
}

bool TakesValue(const std::string& word)
{
    return word == "--rotors" || word == "--key" || word == "-o" || word == "--output";
}

// An option followed by another option rather than its value. CLI11 reports it in English, or as a
// missing other value, or as one file too many.
std::string MissingValue(const ToolCatalogue& catalogue, const std::vector<std::string>& words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!TakesValue(words[i]))
            continue;
        if (i + 1 == words.size())
            return NoValue(catalogue, words[i]);
        if (TakesValue(words[i + 1]) || AsksForHelpOrVersion(words[i + 1]))
            return catalogue.Text(
                QT_TRANSLATE_NOOP("velista-cli", "у параметра %1 не указано значение: за ним сразу идёт %2"),
                {words[i], words[i + 1]});
        ++i;
    }
    return {};
}

// A value given once: more than once is refused by name rather than one of them silently used.
std::string RepeatProblem(const ToolCatalogue& catalogue, const std::vector<std::string>& values, const char* option)
{
    if (values.size() > 1)
        return catalogue.Counted(QT_TRANSLATE_N_NOOP("velista-cli", "параметр %1 указан %n раза (%2), а нужен один раз"),
                                 values.size(), {option, QuotedList(values)});
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

int ReportEarlyExit(const EarlyExit& early, const StandardStreams& streams, const ToolCatalogue& catalogue)
{
    if (early.status == 0 && streams.WasClosed(1)) {
        std::fputs(catalogue
                       .Text(QT_TRANSLATE_NOOP("velista-cli",
                                               "velista-cli: стандартный вывод закрыт, справку некуда вывести\n"))
                       .c_str(),
                   stderr);
        return 1;
    }
    std::fputs(early.text.c_str(), early.status == 0 ? stdout : stderr);
    if (std::fflush(stdout) != 0)
        return 1;
    return early.status;
}

namespace {

// An option that takes one value. Every occurrence is kept, so that one given twice is refused by the
// command's own check rather than silently overwritten.
void AddOnceOption(CLI::App* command, const std::string& name, std::vector<std::string>& values,
                   const std::string& description, const std::string& typeName)
{
    command->add_option(name, values, description)
        ->type_name(typeName)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

// Why encrypt, decrypt or trace cannot be read, in Russian.
EarlyExit ParseRefusal(const ToolCatalogue& catalogue, const CLI::ParseError& error)
{
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr)
        return Refuse(catalogue, catalogue.Text(NoCommand));
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        // CLI11 names the option before the first colon.
        const std::string what = error.what();
        return Refuse(catalogue, NoValue(catalogue, what.substr(0, what.find(':'))));
    }
    return Refuse(catalogue, CommandLineUnread(catalogue, error.what()));
}

// The attack's job from its options, or why there is none.
std::variant<BatchJob, AttackJob, EarlyExit> AttackJobOf(const ToolCatalogue& catalogue,
                                                         const std::vector<std::string>& known,
                                                         const std::vector<std::string>& at,
                                                         std::vector<std::string> inputs,
                                                         const std::vector<std::string>& operands)
{
    inputs.insert(inputs.end(), operands.begin(), operands.end());
    const auto refuse = [&](const std::string& why) { return RefuseAttack(catalogue, why); };
    const char* const Repeated = QT_TRANSLATE_N_NOOP("velista-cli", "параметр %1 указан %n раза, а нужен один раз");
    if (known.empty())
        return refuse(catalogue.Text(
            QT_TRANSLATE_NOOP("velista-cli", "не задан известный фрагмент: укажите --known и файл с ним")));
    if (known.size() > 1)
        return refuse(catalogue.Counted(Repeated, known.size(), {"--known"}));
    if (at.size() > 1)
        return refuse(catalogue.Counted(Repeated, at.size(), {"--at"}));
    if (inputs.size() > 1)
        return refuse(catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "файл шифротекста указывается один, а дано %1"),
                                     {std::to_string(inputs.size())}));
    AttackJob job;
    job.known = known.front();
    job.input = inputs.empty() ? "-" : inputs.front();
    if (job.known == "-" && job.input == "-")
        return refuse(catalogue.Text(QT_TRANSLATE_NOOP(
            "velista-cli",
            "фрагмент и шифротекст не могут оба идти со стандартного ввода: укажите файл шифротекста")));
    if (!at.empty()) {
        job.at = WholeNumber(at.front());
        if (!job.at)
            return refuse(catalogue.Text(
                QT_TRANSLATE_NOOP("velista-cli", "позиция %1 не подходит: нужно целое число от 0"), {Quoted(at.front())}));
    }
    return job;
}

}  // namespace

std::variant<BatchJob, AttackJob, EarlyExit> ParseCommandLine(int argc, char** argv, const ToolCatalogue& catalogue)
{
    const auto text = [&](const char* source) { return catalogue.Text(source); };
    auto [words, operands, afterDashes] = SplitAtDashes(argc, argv, 1);
    // The attack's words are checked on their own terms, and refused in its own name.
    const bool attack = !words.empty() && words.front() == "attack";
    if (attack) {
        if (const std::string problem = AttackMissingValue(catalogue, words); !problem.empty())
            return RefuseAttack(catalogue, problem);
    } else {
        if (const std::string problem = OrderProblem(catalogue, words, afterDashes); !problem.empty())
            return Refuse(catalogue, problem);
        if (const std::string problem = MissingValue(catalogue, words); !problem.empty())
            return Refuse(catalogue, problem);
    }

    CLI::App app{text(QT_TRANSLATE_NOOP("velista-cli",
                                        "Велиста: шифровальная машина с пятью роторами.\n"
                                        "Шифрует и расшифровывает тексты в кодировке Windows-1251; переводы строк "
                                        "записываются как CR LF.")),
                 "velista-cli"};
    SpeakLanguage(app, catalogue);
    const std::string optionsGroup = text(QT_TRANSLATE_NOOP("velista-cli", "Параметры"));
    const std::string commandsGroup = text(QT_TRANSLATE_NOOP("velista-cli", "Команды"));
    const std::string helpFlag = text(QT_TRANSLATE_NOOP("velista-cli", "показать эту справку и выйти"));
    app.option_defaults()->group(optionsGroup);
    app.set_help_flag("-h,--help", helpFlag);
    app.set_version_flag("--version", std::string("velista-cli ") + identity::Version + "\n" + identity::Licence,
                         text(QT_TRANSLATE_NOOP("velista-cli", "показать версию и лицензию и выйти")));
    app.require_subcommand(1);
    app.footer(text(Footer));

    std::vector<std::string> rotors;
    std::vector<std::string> keys;
    std::vector<std::string> outputs;
    std::string input;
    auto describe = [&](CLI::App* command) {
        command->group(commandsGroup);
        command->set_help_flag("-h,--help", helpFlag);
        AddOnceOption(command, "--rotors", rotors,
                      text(QT_TRANSLATE_NOOP("velista-cli", "пять номеров роторов из десяти (0-9), например 01234")),
                      "01234");
        AddOnceOption(command, "--key", keys, text(QT_TRANSLATE_NOOP("velista-cli", "ключ: пять символов алфавита машины")),
                      "KEY");
        AddOnceOption(command, "-o,--output", outputs,
                      text(QT_TRANSLATE_NOOP("velista-cli", "файл результата; без него или «-» - стандартный вывод")),
                      "OUTPUT");
        command->add_option("INPUT", input,
                            text(QT_TRANSLATE_NOOP("velista-cli", "исходный файл; без него или «-» - стандартный ввод")))
            ->type_name("");
        command->allow_extras();
        command->footer(text(Footer));
    };
    CLI::App* encrypt = app.add_subcommand("encrypt", text(QT_TRANSLATE_NOOP("velista-cli", "зашифровать открытый текст")));
    CLI::App* decrypt = app.add_subcommand("decrypt", text(QT_TRANSLATE_NOOP("velista-cli", "расшифровать шифротекст")));
    describe(encrypt);
    describe(decrypt);
    CLI::App* trace = app.add_subcommand(
        "trace", text(QT_TRANSLATE_NOOP("velista-cli", "путь каждого символа через пять роторов: позиция, символ и "
                                                       "четыре хода, по строке на позицию")));
    describe(trace);
    bool decryptTrace = false;
    trace->add_flag("--decrypt", decryptTrace,
                    text(QT_TRANSLATE_NOOP("velista-cli", "путь при расшифровании, от пятого ротора к первому")));
    CLI::App* attackCommand = app.add_subcommand("attack", text(AttackAbout));
    attackCommand->group(commandsGroup);
    attackCommand->set_help_flag("-h,--help", helpFlag);
    attackCommand->footer(text(AttackFooter));
    std::vector<std::string> known, at, ciphertexts;
    AddOnceOption(attackCommand, "--known", known,
                  text(QT_TRANSLATE_NOOP("velista-cli",
                                         "файл с известным фрагментом открытого текста; «-» - стандартный ввод")),
                  "FILE");
    AddOnceOption(attackCommand, "--at", at,
                  text(QT_TRANSLATE_NOOP("velista-cli", "позиция фрагмента в тексте, от 0; без неё - любая")),
                  "POSITION");
    attackCommand
        ->add_option("CIPHERTEXT", ciphertexts,
                     text(QT_TRANSLATE_NOOP("velista-cli", "файл шифротекста; без него или «-» - стандартный ввод")))
        ->type_name("");

    std::vector<char*> arguments{argv[0]};
    for (auto& word : words)
        arguments.push_back(word.data());
    try {
        app.parse(static_cast<int>(arguments.size()), arguments.data());
    } catch (const CLI::CallForHelp&) {
        return EarlyExit{0, app.help("", CLI::AppFormatMode::All)};
    } catch (const CLI::CallForVersion& version) {
        return EarlyExit{0, version.what()};
    } catch (const CLI::ParseError& error) {
        if (attack)
            return AttackParseRefusal(catalogue, error);
        return ParseRefusal(catalogue, error);
    }
    if (attackCommand->parsed())
        return AttackJobOf(catalogue, known, at, std::move(ciphertexts), operands);

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
        return Refuse(catalogue, catalogue.Text(QT_TRANSLATE_NOOP("velista-cli",
                                                                  "неизвестный параметр %1; если это имя файла, "
                                                                  "напишите его после «--»: velista-cli %2 ... -- %3"),
                                                {QuotedList(unknown), chosen->get_name(),
                                                 EscapeForTerminal(unknown.front())}));
    inputs.insert(inputs.end(), operands.begin(), operands.end());
    if (inputs.size() > 1)
        return Refuse(catalogue,
                      catalogue.Text(QT_TRANSLATE_NOOP("velista-cli", "исходный файл указывается один, а дано %1: %2"),
                                     {std::to_string(inputs.size()), QuotedList(inputs)}));
    for (const auto& [values, option] : {std::pair{&rotors, "--rotors"}, std::pair{&keys, "--key"},
                                         std::pair{&outputs, "-o (--output)"}}) {
        if (const std::string problem = RepeatProblem(catalogue, *values, option); !problem.empty())
            return Refuse(catalogue, problem);
    }
    auto rotorChoice = RotorsOf(catalogue, rotors.empty() ? std::string() : rotors.front());
    if (const auto* refusal = std::get_if<EarlyExit>(&rotorChoice))
        return *refusal;
    auto key = KeyOf(catalogue, keys.empty() ? std::string() : keys.front());
    if (const auto* refusal = std::get_if<EarlyExit>(&key))
        return *refusal;
    return BatchJob{
        .direction =
            chosen == encrypt || (chosen == trace && !decryptTrace) ? Direction::Encrypt : Direction::Decrypt,
        .rotors = std::get<RotorChoice>(rotorChoice),
        .key = std::get<MachineKey>(key),
        .input = inputs.empty() ? "-" : inputs.front(),
        .output = outputs.empty() ? "-" : outputs.front(),
        .trace = chosen == trace,
    };
}

}  // namespace velista::cli
