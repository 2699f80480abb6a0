// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/PathCsv.h"

#include "machine/Alphabet.h"
#include "machine/RotorBank.h"

#include <QStringList>

namespace velista {

namespace {

// A field with a comma, a quote or a line break is quoted, its quotes doubled.
QString Field(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QByteArray PathCsv::Make(RotorBank bank, const QString& text, CipherDirection direction)
{
    QString table = QStringLiteral("Позиция,Символ");
    for (int hop = 1; hop <= 4; ++hop)
        table += QStringLiteral(",Ход %1: позиция,Ход %1: символ").arg(hop);
    table += QStringLiteral("\r\n");
    qint64 position = 0;
    for (const QChar character : text) {
        table += QString::number(position++);
        const Symbol symbol = character.unicode();
        if (!Alphabet::Machine().Contains(symbol)) {
            table += QStringLiteral(",U+%1,-\r\n").arg(uint(symbol), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            const SymbolPath path = bank.Path(symbol, direction);
            table += QLatin1Char(',') + Field(QString(character));
            for (const SymbolHop& hop : path.hops)
                table += QLatin1Char(',') + QString::number(hop.position) + QLatin1Char(',') + Field(QString(QChar(hop.reached)));
            table += QStringLiteral("\r\n");
        }
        bank.Step();
    }
    // The byte-order mark tells office programs that the file is UTF-8.
    return QByteArray("\xEF\xBB\xBF") + table.toUtf8();
}

}  // namespace velista
