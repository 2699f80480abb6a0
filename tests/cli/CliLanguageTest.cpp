// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built velista-cli under the language settings users have: the help and the refusals in English or
// Russian, the core's Russian texts found in English, and the plural forms of both languages.

#include "tests/cli/CliTest.h"

#include "tests/support/RowName.h"

#include <cstdlib>
#include <optional>

namespace {

using namespace velista::test;

// The variables the tool reads for its language; a row sets those it names and unsets the others, and the
// test program's own values come back afterwards.
constexpr const char* LanguageVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

void SetVariable(const char* name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name, value != nullptr ? value : "");
#else
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
#endif
}

using Settings = std::vector<std::pair<const char*, const char*>>;

class LanguageSettings {
public:
    explicit LanguageSettings(const Settings& values)
    {
        for (const char* name : LanguageVariables) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
            SetVariable(name, nullptr);
        }
        for (const auto& [name, value] : values)
            SetVariable(name, value);
    }
    ~LanguageSettings()
    {
        for (const auto& [name, value] : saved_)
            SetVariable(name, value ? value->c_str() : nullptr);
    }
    LanguageSettings(const LanguageSettings&) = delete;
    LanguageSettings& operator=(const LanguageSettings&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

struct LanguageRow {
    const char* name;
    Settings settings;
    bool english;
    friend void PrintTo(const LanguageRow& row, std::ostream* os) { *os << row.name; }
};

class CliLanguage : public CliTest, public ::testing::WithParamInterface<LanguageRow> {};

TEST_P(CliLanguage, ChoosesTheHelpAndTheRefusals)
{
    const LanguageSettings settings(GetParam().settings);
    const bool english = GetParam().english;
    const ToolResult help = Run({"--help"});
    ASSERT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(FirstLine(help.out), english ? "Velista: a cipher machine with five rotors."
                                           : "Велиста: шифровальная машина с пятью роторами.");
    EXPECT_EQ(help.err, "");  // a broken setting falls back silently

    const ToolResult refused = Run({"encrypt", "--key"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, english ? "velista-cli: the option --key has no value\nHelp: velista-cli --help\n"
                                   : "velista-cli: у параметра --key не указано значение\nСправка: velista-cli --help\n");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, CliLanguage,
    ::testing::Values(
        LanguageRow{"LanguageEnglish", {{"LANGUAGE", "en"}}, true},
        LanguageRow{"LanguageRussian", {{"LANGUAGE", "ru"}}, false},
        LanguageRow{"EnglishBeforeRussian", {{"LANGUAGE", "en:ru"}}, true},
        LanguageRow{"RussianBeforeEnglish", {{"LANGUAGE", "ru:en"}}, false},
        LanguageRow{"OtherLanguageFirst", {{"LANGUAGE", "de_DE:en_GB:ru"}}, true},
        LanguageRow{"LanguageBeforeLocale", {{"LANGUAGE", "en"}, {"LC_ALL", "ru_RU.UTF-8"}}, true},
        LanguageRow{"LocaleAfterUnknownLanguage", {{"LANGUAGE", "fr"}, {"LANG", "en_US.UTF-8"}}, true},
        LanguageRow{"LcAllBeforeLang", {{"LC_ALL", "ru_RU.UTF-8"}, {"LANG", "en_US.UTF-8"}}, false},
        LanguageRow{"LcMessagesBeforeLang", {{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, true},
        LanguageRow{"LocaleC", {{"LC_ALL", "C"}}, false},
        LanguageRow{"BrokenLang", {{"LANG", "xx"}}, false},
        LanguageRow{"BrokenLanguageList", {{"LANGUAGE", "::@.:_"}, {"LANG", "en"}}, true},
        LanguageRow{"EnglishWithModifier", {{"LANG", "en@quot"}}, true}),
    RowName<LanguageRow>);

// A Russian text made by the core or the file layer, with values in it, found in the English catalogue.
struct CoreTextRow {
    const char* name;
    std::vector<std::string> args;  // "{dir}/" stands for the test's folder
    std::string shown;              // part of standard error
    friend void PrintTo(const CoreTextRow& row, std::ostream* os) { *os << row.name; }
};

class CliEnglishCoreText : public CliTest, public ::testing::WithParamInterface<CoreTextRow> {};

TEST_P(CliEnglishCoreText, IsTranslatedWithItsValues)
{
    const LanguageSettings settings(Settings{{"LANGUAGE", "en"}});
    WriteFile(Path("one.txt"), "a");
    WriteFile(Path("empty.vls"), "");
    WriteFile(Path("short.txt"), "abc");
    WriteFile(Path("long.vls"), std::string(100, 'x'));
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args)
        args.push_back(arg.starts_with("{dir}/") ? Argument(arg.substr(6)) : arg);
    const ToolResult refused = Run(args);
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.err.find(GetParam().shown), std::string::npos) << refused.err;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CliEnglishCoreText,
    ::testing::Values(
        CoreTextRow{"RotorChoice",
                    {"encrypt", "--rotors", "0123", "--key", "abcde"},
                    "velista-cli: the rotor numbers «0123» do not fit: exactly five digits from 0 to 9 are needed"},
        CoreTextRow{"KeyLength",
                    {"encrypt", "--rotors", "01234", "--key", "abc"},
                    "the key «abc» does not fit: exactly five characters are needed, and it has 3\n"},
        CoreTextRow{"FileReasonInsideFileMessage",
                    {"encrypt", "--rotors", "01234", "--key", "abcde", "{dir}/missing.txt"},
                    "missing.txt»: no such file or folder\n"},
        CoreTextRow{"OutputFolderMissing",
                    {"encrypt", "--rotors", "01234", "--key", "abcde", "-o", "{dir}/nowhere/out.vls", "{dir}/one.txt"},
                    "velista-cli: cannot write «"},
        CoreTextRow{"FragmentTooShortAtAnyPosition",
                    {"attack", "--known", "{dir}/short.txt", "{dir}/long.vls"},
                    "thousands of settings fit at 98 possible positions and the answer tells nothing\n"},
        CoreTextRow{"OneCharacterLongerThanNone",
                    {"attack", "--known", "{dir}/one.txt", "{dir}/empty.vls"},
                    "velista-cli attack: no setting fits: the fragment of 1 character is longer than the ciphertext "
                    "(0 characters)\n"},
        CoreTextRow{"PastTheEndAtAPosition",
                    {"attack", "--known", "{dir}/short.txt", "--at", "99", "{dir}/long.vls"},
                    "from position 99 the fragment of 3 characters runs past the end of the ciphertext "
                    "(100 characters)\n"}),
    RowName<CoreTextRow>);

// The tool's own counted texts take the catalogue's plural form for the number in either language.
struct PluralRow {
    const char* name;
    const char* language;
    int times;  // how often the option is given
    std::string shown;
    friend void PrintTo(const PluralRow& row, std::ostream* os) { *os << row.name; }
};

class CliPlural : public CliTest, public ::testing::WithParamInterface<PluralRow> {};

TEST_P(CliPlural, FollowsTheCount)
{
    const LanguageSettings settings(Settings{{"LANGUAGE", GetParam().language}});
    std::vector<std::string> args{"attack", "--known", "a.txt"};
    for (int i = 0; i < GetParam().times; ++i) {
        args.push_back("--at");
        args.push_back(std::to_string(i));
    }
    const ToolResult refused = Run(args);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find(GetParam().shown), std::string::npos) << refused.err;
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CliPlural,
    ::testing::Values(PluralRow{"RussianFew", "ru", 2, "параметр --at указан 2 раза, а нужен один раз"},
                      PluralRow{"RussianMany", "ru", 5, "параметр --at указан 5 раз, а нужен один раз"},
                      PluralRow{"RussianElevenIsMany", "ru", 11, "параметр --at указан 11 раз, а нужен"},
                      PluralRow{"RussianTwentyTwoIsFew", "ru", 22, "параметр --at указан 22 раза, а нужен"},
                      PluralRow{"EnglishTwo", "en", 2, "the option --at is given 2 times, but is needed once"},
                      PluralRow{"EnglishTwentyOne", "en", 21, "the option --at is given 21 times"}),
    RowName<PluralRow>);

}  // namespace
