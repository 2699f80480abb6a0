// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/CoreText.h"

#include <QCoreApplication>

#include <cstring>

namespace velista {

namespace {

// Every text of the core that reaches a window, listed here so that the catalogue holds them; each must
// stay the same, character for character, as the core's.
[[maybe_unused]] constexpr const char* Listed[] = {
    QT_TRANSLATE_NOOP("velista::CipherMachine", "Внимание"),
    QT_TRANSLATE_NOOP("velista::CipherMachine", "Не указаны номера всех дисков или ключ имеет менее 5-ти символов "),
    QT_TRANSLATE_NOOP("velista::CipherMachine",
                      "Ключ содержит символ, которого нет в алфавите машины. В ключ входят латинские и русские буквы "
                      "(кроме Ё и ё), цифры, пробел и знаки ( ) , - . : [ ]"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "нет такого файла или папки"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "нет доступа"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "это папка, а не файл"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "часть пути - не папка"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "на диске нет места"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "диск только для чтения"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "ошибка ввода-вывода"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "файл слишком велик"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "слишком длинное имя"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "получатель вывода закрыт"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "слишком много символических ссылок подряд"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "открыто слишком много файлов"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "исчерпана дисковая квота"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "файл занят"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "устройство недоступно"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "файл уже есть"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "файл на другом диске"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "не хватает памяти"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "файл временно недоступен"),
    QT_TRANSLATE_NOOP("velista::FileErrorReason", "недопустимая операция для этого файла"),
    QT_TRANSLATE_NOOP("velista::identity", "Велиста"),
};

// The one reason with a number in it: "системная ошибка № 1234".
constexpr char NumberedReason[] = "системная ошибка № ";

}  // namespace

QString CoreText(const char* context, const QString& russian)
{
    const QString numbered = QString::fromUtf8(NumberedReason);
    if (std::strcmp(context, FileErrorReasonContext) == 0 && russian.startsWith(numbered))
        return QCoreApplication::translate("velista::FileErrorReason", "системная ошибка № %1")
            .arg(russian.mid(numbered.size()));
    return QCoreApplication::translate(context, russian.toUtf8().constData());
}

}  // namespace velista
