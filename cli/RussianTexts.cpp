// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RussianTexts.h"

#include <QtGlobal>

namespace velista::cli {

namespace {

// Each text as its maker writes it, byte for byte: a text changed there is no longer found here and stays
// Russian in the English tool. A value inside a pattern is looked up again, so a file error's reason within
// "не удаётся прочитать «%1»: %2" is translated as well.
constexpr RussianText Texts[] = {
    // machine/: a rotor choice or a key that cannot be used.
    {QT_TRANSLATE_NOOP("velista-cli", "не заданы номера роторов: укажите --rotors и пять цифр, например --rotors 01234")},
    {QT_TRANSLATE_NOOP("velista-cli",
                       "номера роторов %1 не подходят: нужно ровно пять цифр от 0 до 9, например 01234")},
    {QT_TRANSLATE_NOOP("velista-cli", "не задан ключ: укажите --key и пять символов алфавита машины")},
    {QT_TRANSLATE_NOOP("velista-cli", "ключ %1 не прочитать: он не в кодировке UTF-8")},
    {QT_TRANSLATE_NOOP("velista-cli", "ключ %1 не подходит: нужно ровно пять символов, а их %2")},
    {QT_TRANSLATE_NOOP("velista-cli",
                       "ключ %1 не подходит: в нём есть символ вне алфавита машины (алфавит: латинские и русские "
                       "буквы без Ё и ё, цифры, пробел и знаки ( ) , - . : [ ])")},

    // analysis/AttackRequest: what the attack refuses before searching.
    {QT_TRANSLATE_NOOP("velista-cli",
                       "во фрагменте нет ни одного символа алфавита машины, ему подходит любая настройка")},
    {QT_TRANSLATE_NOOP("velista-cli",
                       "фрагмент слишком короткий: символов алфавита в нём %1, а нужно не меньше %2 — иначе %3 "
                       "подойдут тысячи настроек и ответ ничего не скажет")},
    {QT_TRANSLATE_NOOP("velista-cli", "на этой позиции")},
    {QT_TRANSLATE_N_NOOP("velista-cli", "на %n возможной позиции"), true},
    {QT_TRANSLATE_NOOP("velista-cli",
                       "фрагмент длиннее %1 символов (64 КиБ): столько не нужно, хватит нескольких десятков")},
    {QT_TRANSLATE_NOOP("velista-cli", "шифротекст длиннее %1 символов (256 МиБ)")},
    {QT_TRANSLATE_NOOP("velista-cli",
                       "ни одна настройка не подходит: с позиции %1 фрагмент %2 выходит за конец шифротекста (%3)")},
    {QT_TRANSLATE_NOOP("velista-cli", "ни одна настройка не подходит: фрагмент %1 длиннее шифротекста (%2)")},
    {QT_TRANSLATE_N_NOOP("velista-cli", "из %n символа"), true},
    {QT_TRANSLATE_N_NOOP("velista-cli", "%n символ"), true},

    // files/FileErrorReason: why the system refused a file.
    {QT_TRANSLATE_NOOP("velista-cli", "нет такого файла или папки")},
    {QT_TRANSLATE_NOOP("velista-cli", "нет доступа")},
    {QT_TRANSLATE_NOOP("velista-cli", "это папка, а не файл")},
    {QT_TRANSLATE_NOOP("velista-cli", "часть пути - не папка")},
    {QT_TRANSLATE_NOOP("velista-cli", "на диске нет места")},
    {QT_TRANSLATE_NOOP("velista-cli", "диск только для чтения")},
    {QT_TRANSLATE_NOOP("velista-cli", "ошибка ввода-вывода")},
    {QT_TRANSLATE_NOOP("velista-cli", "файл слишком велик")},
    {QT_TRANSLATE_NOOP("velista-cli", "слишком длинное имя")},
    {QT_TRANSLATE_NOOP("velista-cli", "получатель вывода закрыт")},
    {QT_TRANSLATE_NOOP("velista-cli", "слишком много символических ссылок подряд")},
    {QT_TRANSLATE_NOOP("velista-cli", "открыто слишком много файлов")},
    {QT_TRANSLATE_NOOP("velista-cli", "исчерпана дисковая квота")},
    {QT_TRANSLATE_NOOP("velista-cli", "файл занят")},
    {QT_TRANSLATE_NOOP("velista-cli", "устройство недоступно")},
    {QT_TRANSLATE_NOOP("velista-cli", "файл уже есть")},
    {QT_TRANSLATE_NOOP("velista-cli", "файл на другом диске")},
    {QT_TRANSLATE_NOOP("velista-cli", "не хватает памяти")},
    {QT_TRANSLATE_NOOP("velista-cli", "файл временно недоступен")},
    {QT_TRANSLATE_NOOP("velista-cli", "недопустимая операция для этого файла")},
    {QT_TRANSLATE_NOOP("velista-cli", "системная ошибка № %1")},

    // cli/InputFile, cli/OutputFile: a file the tool cannot read or write, and why.
    {QT_TRANSLATE_NOOP("velista-cli", "не удаётся прочитать «%1»: %2")},
    {QT_TRANSLATE_NOOP("velista-cli", "не удаётся записать «%1»: %2")},
    {QT_TRANSLATE_NOOP("velista-cli", "стандартный ввод")},
    {QT_TRANSLATE_NOOP("velista-cli", "стандартный вывод")},
    {QT_TRANSLATE_NOOP("velista-cli", "это не обычный файл и не канал, а устройство или сокет")},
    {QT_TRANSLATE_NOOP("velista-cli", "это не обычный файл и не канал, а устройство")},
    {QT_TRANSLATE_NOOP("velista-cli", "пустое имя файла")},
    {QT_TRANSLATE_NOOP("velista-cli", "имя с «%1» на конце - это папка, а нужен файл")},
    {QT_TRANSLATE_NOOP("velista-cli", "это ссылка на несуществующий файл")},
    {QT_TRANSLATE_NOOP("velista-cli", "нет папки %1")},
    {QT_TRANSLATE_NOOP("velista-cli", "%1 - не папка")},
    {QT_TRANSLATE_NOOP("velista-cli",
                       "нет права создавать файлы в папке %1 (результат пишется сначала во временный файл рядом)")},
};

}  // namespace

std::span<const RussianText> RussianTexts()
{
    return Texts;
}

}  // namespace velista::cli
