// SPDX-License-Identifier: GPL-3.0-or-later
// The text area counts every line break as CR LF: in its text, its symbol count and the positions by which
// the runs select and replace one symbol at a time.

#include "main_window/RichTextBox.h"

#include <QtTest>

using velista::RichTextBox;

class RichTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void breaksReadAsCrLf_data();
    void breaksReadAsCrLf();
    void selectOneSymbol_data();
    void selectOneSymbol();
    void replaceOneSymbol_data();
    void replaceOneSymbol();
    void writeEverySymbolBack_data();
    void writeEverySymbolBack();
};

void RichTextBoxTest::breaksReadAsCrLf_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("no break") << "abc" << "abc";
    QTest::newRow("LF") << "ab\ncd" << "ab\r\ncd";
    QTest::newRow("CR LF") << "ab\r\ncd" << "ab\r\ncd";
    QTest::newRow("lone CR") << "ab\rcd" << "ab\r\ncd";
    QTest::newRow("CR LF then LF then lone CR") << "a\r\n\nb\rc" << "a\r\n\r\nb\r\nc";
    QTest::newRow("lone break") << "\n" << "\r\n";
    QTest::newRow("trailing breaks") << "a\r\n\r\n" << "a\r\n\r\n";
    QTest::newRow("no-break space and em dash") << "a\u00A0b \u2014 c" << "a\u00A0b \u2014 c";
    QTest::newRow("tab and Ё") << "\tЁё" << "\tЁё";
}

void RichTextBoxTest::breaksReadAsCrLf()
{
    QFETCH(QString, set);
    QFETCH(QString, text);

    RichTextBox box;
    box.SetText(set);
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.SymbolCount(), qint32(text.size()));
    QCOMPARE(box.IsEmpty(), text.isEmpty());
}

void RichTextBoxTest::selectOneSymbol_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");

    const QString twoLines = QStringLiteral("ab\r\ncd");
    QTest::newRow("first symbol") << twoLines << 0 << 1 << "a";
    QTest::newRow("CR of a break") << twoLines << 2 << 1 << "\r";
    QTest::newRow("LF of a break") << twoLines << 3 << 1 << "\n";
    QTest::newRow("first symbol after a break") << twoLines << 4 << 1 << "c";
    QTest::newRow("last symbol") << twoLines << 5 << 1 << "d";
    QTest::newRow("at the end") << twoLines << 6 << 1 << "";
    QTest::newRow("nothing selected") << twoLines << 1 << 0 << "";
    QTest::newRow("across a break") << twoLines << 1 << 3 << "b\r\n";
    QTest::newRow("from an LF on") << twoLines << 3 << 2 << "\nc";
    QTest::newRow("LF of the second of two breaks") << "a\r\n\r\nb" << 4 << 1 << "\n";
    QTest::newRow("CR of a trailing break") << "a\r\n" << 1 << 1 << "\r";
    QTest::newRow("no-break space") << "a\u00A0b" << 1 << 1 << "\u00A0";
}

void RichTextBoxTest::selectOneSymbol()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);

    RichTextBox box;
    box.SetText(text);
    box.SetSelStart(start);
    QCOMPARE(box.SelLength(), 0);
    box.SetSelLength(length);
    QCOMPARE(box.SelStart(), start);
    QCOMPARE(box.SelText(), selected);
    QCOMPARE(box.Text(), text);
}

void RichTextBoxTest::replaceOneSymbol_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("result");

    const QString threeLines = QStringLiteral("ab\r\ncd\r\nef");
    QTest::newRow("first line") << threeLines << 0 << "X" << "Xb\r\ncd\r\nef";
    QTest::newRow("second line") << threeLines << 5 << "X" << "ab\r\ncX\r\nef";
    QTest::newRow("last symbol") << threeLines << 9 << "X" << "ab\r\ncd\r\neX";
    QTest::newRow("CR by itself") << threeLines << 2 << "\r" << threeLines;
    QTest::newRow("LF by itself") << threeLines << 7 << "\n" << threeLines;
    QTest::newRow("symbol by itself") << threeLines << 4 << "c" << threeLines;
    QTest::newRow("no-break space") << "a\u00A0b\r\nc" << 1 << "Я" << "aЯb\r\nc";
    QTest::newRow("symbol by no-break space") << "ab\r\nc" << 4 << "\u00A0" << "ab\r\n\u00A0";
}

void RichTextBoxTest::replaceOneSymbol()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, symbol);
    QFETCH(QString, result);

    RichTextBox box;
    box.SetText(text);
    box.SetSelStart(position);
    box.SetSelLength(1);
    box.SetSelText(symbol);
    QCOMPARE(box.Text(), result);
    QCOMPARE(box.SymbolCount(), qint32(result.size()));
}

void RichTextBoxTest::writeEverySymbolBack_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("two lines") << "Ab\r\ncD";
    QTest::newRow("blank lines and a trailing break") << "\r\nab\r\n\r\nc\r\n";
    QTest::newRow("no-break spaces and a dash") << "a\u00A0b\r\n\u2014 ж\u00A0";
    QTest::newRow("breaks only") << "\r\n\r\n";
}

// As a run does: at every position select one symbol, read it and write back its substitute (here the
// letters in the other case, every other symbol unchanged).
void RichTextBoxTest::writeEverySymbolBack()
{
    QFETCH(QString, text);

    QString expected = text;
    for (QChar& c : expected)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    RichTextBox box;
    box.SetText(text);
    for (qint32 position = 0; position < box.SymbolCount(); ++position) {
        box.SetSelStart(position);
        box.SetSelLength(1);
        const QString symbol = box.SelText();
        QCOMPARE(symbol, QString(text[position]));
        box.SetSelStart(position);
        box.SetSelLength(1);
        box.SetSelText(symbol[0].isUpper() ? symbol.toLower() : symbol.toUpper());
    }
    QCOMPARE(box.Text(), expected);
}

QTEST_MAIN(RichTextBoxTest)
#include "RichTextBoxTest.moc"
