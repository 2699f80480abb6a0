// SPDX-License-Identifier: GPL-3.0-or-later
// velista --help and --version.

#include "app/InformationOptions.h"

#include "VelistaIdentity.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace velista {

namespace {

const char* const Help = QT_TRANSLATE_NOOP("velista::InformationOptions",
    "Использование: velista [--help | --version]\n"
    "\n"
    "Велиста — учебная модель пятироторной шифровальной машины. Без параметров открывает окно\n"
    "программы; ему нужен дисплей (X11 или Wayland).\n"
    "\n"
    "Параметры:\n"
    "  -h, --help     показать эту справку и выйти\n"
    "  -v, --version  показать версию и лицензию и выйти\n"
    "\n"
    "Принимаются и стандартные параметры Qt, например -platform offscreen.\n"
    "\n"
    "Код возврата: 0 — окно закрыто или справка показана.\n"
    "Файлы: открытый текст .txt, шифртекст .vls, оба в кодировке Windows-1251 с переводами строк CR LF.\n"
    "Шифрование из командной строки: velista-cli --help. Подробно: man velista.\n");

}  // namespace

InformationOptions::InformationOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    // Qt's own options start with a single dash and are words (-platform, -style): read as one
    // option each they are unknown here and ignored, not split into letters that could spell -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(arguments);
    asked_ = parser.isSet(help) ? Asked::Help : parser.isSet(version) ? Asked::Version : Asked::Nothing;
}

QString InformationOptions::Text() const
{
    if (asked_ == Asked::Help)
        return QCoreApplication::translate("velista::InformationOptions", Help);
    return QStringLiteral("velista %1\n").arg(QString::fromUtf8(identity::Version)) + QString::fromUtf8(identity::Licence);
}

}  // namespace velista
