// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/SymbolLabel.h"

#include <QCoreApplication>

namespace velista {

SymbolLabel::Script SymbolLabel::ScriptOf(Symbol symbol)
{
    if ((symbol >= u'A' && symbol <= u'Z') || (symbol >= u'a' && symbol <= u'z'))
        return Script::Latin;
    // А to я, and Ё, ё, which the machine does not take but a user may type.
    if ((symbol >= u'\u0410' && symbol <= u'\u044F') || symbol == u'\u0401' || symbol == u'\u0451')
        return Script::Cyrillic;
    if (symbol >= u'0' && symbol <= u'9')
        return Script::Digit;
    if (symbol == u' ')
        return Script::Space;
    return Script::Other;
}

QString SymbolLabel::Shown(Symbol symbol)
{
    // A blank cell would read as an empty one.
    return symbol == u' ' ? QStringLiteral("␣") : QString(QChar(symbol));
}

QString SymbolLabel::ScriptMark(Symbol symbol)
{
    return ScriptOf(symbol) == Script::Latin ? QStringLiteral("lat") : QString();
}

QString SymbolLabel::Cell(Symbol symbol)
{
    const QString mark = ScriptMark(symbol);
    return mark.isEmpty() ? Shown(symbol) : Shown(symbol) + u' ' + mark;
}

QString SymbolLabel::ToolTip(Symbol symbol)
{
    QString script;
    switch (ScriptOf(symbol)) {
    case Script::Latin:
        script = QCoreApplication::translate("velista::SymbolLabel", "латиница");
        break;
    case Script::Cyrillic:
        script = QCoreApplication::translate("velista::SymbolLabel", "кириллица");
        break;
    case Script::Digit:
        script = QCoreApplication::translate("velista::SymbolLabel", "цифра");
        break;
    case Script::Space:
        script = QCoreApplication::translate("velista::SymbolLabel", "пробел");
        break;
    case Script::Other:
        script = QCoreApplication::translate("velista::SymbolLabel", "знак");
        break;
    }
    return QStringLiteral("U+%1, %2").arg(QString::number(unsigned(symbol), 16).toUpper().rightJustified(4, u'0'), script);
}

QString SymbolLabel::Spoken(Symbol symbol)
{
    switch (ScriptOf(symbol)) {
    case Script::Latin:
        return QCoreApplication::translate("velista::SymbolLabel", "латинская %1").arg(QChar(symbol));
    case Script::Cyrillic:
        return QCoreApplication::translate("velista::SymbolLabel", "кириллическая %1").arg(QChar(symbol));
    case Script::Digit:
        return QCoreApplication::translate("velista::SymbolLabel", "цифра %1").arg(QChar(symbol));
    case Script::Space:
        return QCoreApplication::translate("velista::SymbolLabel", "пробел");
    case Script::Other:
        break;
    }
    return QCoreApplication::translate("velista::SymbolLabel", "знак «%1»").arg(QChar(symbol));
}

QString SymbolLabel::Quoted(Symbol symbol)
{
    return symbol == u' ' ? QCoreApplication::translate("velista::SymbolLabel", "«пробел»") : QStringLiteral("«%1»").arg(QChar(symbol));
}

}  // namespace velista
