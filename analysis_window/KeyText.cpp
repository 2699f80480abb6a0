// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/KeyText.h"

#include <QCoreApplication>
#include <QStringList>

namespace velista {

namespace {

constexpr QChar VisibleSpace = u'␣';

QString Shown(QChar symbol) { return symbol == u' ' ? QString(VisibleSpace) : QString(symbol); }

}  // namespace

QString KeyText::Quoted(const QString& key)
{
    QString shown = QStringLiteral("«");
    for (const QChar symbol : key)
        shown += Shown(symbol);
    return shown + QStringLiteral("»");
}

QString KeyText::ScriptOf(QChar symbol)
{
    const char16_t c = symbol.unicode();
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return QCoreApplication::translate("velista::KeyText", "латиница");
    if (c >= u'А' && c <= u'я')
        return QCoreApplication::translate("velista::KeyText", "кириллица");
    if (c >= u'0' && c <= u'9')
        return QCoreApplication::translate("velista::KeyText", "цифра");
    if (c == u' ')
        return QCoreApplication::translate("velista::KeyText", "пробел (знак)");
    return QCoreApplication::translate("velista::KeyText", "знак");
}

QString KeyText::Scripts(const QString& key)
{
    QStringList lines;
    for (qsizetype i = 0; i < key.size(); ++i)
        lines << QStringLiteral("%1: %2 — %3 (U+%4)")
                     .arg(QString::number(i + 1), Shown(key.at(i)), ScriptOf(key.at(i)),
                          QString::number(key.at(i).unicode(), 16).rightJustified(4, u'0').toUpper());
    return lines.join(u'\n');
}

}  // namespace velista
