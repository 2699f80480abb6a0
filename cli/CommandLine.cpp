#include "CommandLine.h"

#include "Utf8.h"

#include <Alphabet.h>
#include <CLI/CLI.hpp>

namespace velista::cli {

namespace {

const char* const HelpHint = "Справка: velista-cli --help";

EarlyExit Refuse(const std::string& why)
{
    return {UsageError, "velista-cli: " + why + "\n" + HelpHint + "\n"};
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
}

std::string RotorsProblem(const std::string& rotors)
{
    if (rotors.empty())
        return "не заданы номера роторов: укажите --rotors и пять цифр, например --rotors 01234";
    bool digits = rotors.size() == 5;
    for (const char c : rotors)
        digits = digits && c >= '0' && c <= '9';
    if (!digits)
        return "номера роторов «" + rotors + "» не подходят: нужно ровно пять цифр от 0 до 9, например 01234";
    return {};
}

std::string KeyProblem(const std::string& key, const std::optional<std::u16string>& decoded)
{
    if (key.empty())
        return "не задан ключ: укажите --key и пять символов алфавита машины";
    if (!decoded)
        return "ключ «" + key + "» не прочитать: он не в кодировке UTF-8";
    if (decoded->size() != 5)
        return "ключ «" + key + "» не подходит: нужно ровно пять символов, а их " + std::to_string(decoded->size());
    for (const char16_t c : *decoded) {
        if (!Alphabet::Machine().Contains(c))
            return "ключ «" + key
                + "» не подходит: в нём есть символ вне алфавита машины (алфавит: латинские и русские буквы"
                  " без Ё и ё, цифры, пробел и знаки ( ) , - . : [ ])";
    }
    return {};
}

}  // namespace

std::variant<BatchJob, EarlyExit> ParseCommandLine(int argc, char** argv)
{
    CLI::App app{"Велиста: шифровальная машина с пятью роторами.\n"
                 "Шифрует и расшифровывает тексты в кодировке Windows-1251; переводы строк записываются как CR LF.",
                 "velista-cli"};
    SpeakRussian(app);
    app.option_defaults()->group("Параметры");
    app.set_help_flag("-h,--help", "показать эту справку и выйти");
    app.set_version_flag("--version", std::string("velista-cli ") + VELISTA_VERSION, "показать версию и выйти");
    app.require_subcommand(1);

    std::string rotors;
    std::string key;
    std::string input = "-";
    std::string output = "-";
    auto describe = [&](CLI::App* command) {
        command->group("Команды");
        command->set_help_flag("-h,--help", "показать эту справку и выйти");
        command->add_option("--rotors", rotors, "пять номеров роторов из десяти (0-9), например 01234")
            ->type_name("01234");
        command->add_option("--key", key, "ключ: пять символов алфавита машины")->type_name("KEY");
        command->add_option("-o,--output", output, "файл результата; без него или «-» - стандартный вывод")
            ->type_name("OUTPUT");
        command->add_option("INPUT", input, "исходный файл; без него или «-» - стандартный ввод")->type_name("");
        command->allow_extras();
    };
    CLI::App* encrypt = app.add_subcommand("encrypt", "зашифровать открытый текст");
    CLI::App* decrypt = app.add_subcommand("decrypt", "расшифровать шифротекст");
    describe(encrypt);
    describe(decrypt);
    bool decryptTrace = false;
    CLI::App* trace = app.add_subcommand(
        "trace", "путь каждого символа через пять роторов: позиция, символ и четыре хода, по строке на позицию");
    trace->group("Команды");
    trace->set_help_flag("-h,--help", "показать эту справку и выйти");
    trace->add_option("--rotors", rotors, "пять номеров роторов из десяти (0-9), например 01234")->type_name("01234");
    trace->add_option("--key", key, "ключ: пять символов алфавита машины")->type_name("KEY");
    trace->add_flag("--decrypt", decryptTrace, "путь при расшифровании, от пятого ротора к первому");
    trace->add_option("INPUT", input, "исходный файл; без него или «-» - стандартный ввод")->type_name("");
    trace->allow_extras();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return EarlyExit{0, app.help()};
    } catch (const CLI::CallForVersion& version) {
        return EarlyExit{0, std::string(version.what()) + "\n"};
    } catch (const CLI::RequiredError&) {
        return Refuse("не задана команда: encrypt, decrypt или trace");
    } catch (const CLI::ArgumentMismatch& mismatch) {
        // CLI11 names the option before the first colon.
        const std::string what = mismatch.what();
        return Refuse("у параметра " + what.substr(0, what.find(':')) + " не указано значение");
    } catch (const CLI::ParseError& error) {
        return Refuse(std::string("командная строка не разобрана: ") + error.what());
    }

    CLI::App* chosen = encrypt->parsed() ? encrypt : trace->parsed() ? trace : decrypt;
    if (const auto extras = chosen->remaining(); !extras.empty()) {
        std::string list;
        for (const auto& extra : extras)
            list += (list.empty() ? "«" : ", «") + extra + "»";
        return Refuse("лишние аргументы: " + list);
    }
    if (const std::string problem = RotorsProblem(rotors); !problem.empty())
        return Refuse(problem);
    const std::optional<std::u16string> decodedKey = DecodeUtf8(key);
    if (const std::string problem = KeyProblem(key, decodedKey); !problem.empty())
        return Refuse(problem);

    BatchJob job;
    job.direction = chosen == encrypt || (chosen == trace && !decryptTrace) ? Direction::Encrypt : Direction::Decrypt;
    job.trace = chosen == trace;
    job.rotors.assign(rotors.begin(), rotors.end());
    job.key = *decodedKey;
    job.input = input;
    job.output = output;
    return job;
}

}  // namespace velista::cli
