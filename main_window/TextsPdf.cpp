// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/TextsPdf.h"

#include "window_kit/PdfPages.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace velista {

QByteArray TextsPdf::Make(const QString& plainText, const QString& cipherText, const QString& rotors,
                          const std::optional<QString>& key)
{
    PdfPages pages(QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                   QCoreApplication::translate("TextsPdf", "Велиста: открытый текст и шифротекст"), 11);
    QTextDocument& document = pages.Document();
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(15);
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(QCoreApplication::translate("TextsPdf", "Велиста: открытый текст и шифротекст"), heading);
    cursor.insertBlock();
    cursor.insertText(key ? QCoreApplication::translate("TextsPdf", "Роторы: %1    Ключ: «%2»").arg(rotors, *key) : QCoreApplication::translate("TextsPdf", "Роторы: %1    Ключ не указан").arg(rotors),
                      QTextCharFormat());
    cursor.insertBlock();

    QStringList plainLines = plainText.split(QStringLiteral("\r\n"));
    QStringList cipherLines = cipherText.split(QStringLiteral("\r\n"));
    // A text that ends with a line break has no line after it.
    if (plainLines.size() > 1 && plainLines.last().isEmpty() && cipherLines.size() > 1 && cipherLines.last().isEmpty()) {
        plainLines.removeLast();
        cipherLines.removeLast();
    }
    const int lines = int(std::max(plainLines.size(), cipherLines.size()));
    QTextTableFormat table;
    table.setHeaderRowCount(1);
    table.setCellPadding(4);
    table.setBorder(0.5);
    table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 50),
                                     QTextLength(QTextLength::PercentageLength, 50)});
    QTextTable* columns = cursor.insertTable(lines + 1, 2, table);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    columns->cellAt(0, 0).firstCursorPosition().insertText(QCoreApplication::translate("TextsPdf", "Открытый текст"), bold);
    columns->cellAt(0, 1).firstCursorPosition().insertText(QCoreApplication::translate("TextsPdf", "Шифротекст"), bold);
    // Fixed-width type: a symbol stands under the symbol it became.
    QTextCharFormat text;
    text.setFontFamilies({QStringLiteral("Liberation Mono")});
    text.setFontPointSize(10);
    for (int line = 0; line < lines; ++line) {
        columns->cellAt(line + 1, 0).firstCursorPosition().insertText(plainLines.value(line), text);
        columns->cellAt(line + 1, 1).firstCursorPosition().insertText(cipherLines.value(line), text);
    }

    return pages.Bytes();
}

}  // namespace velista
