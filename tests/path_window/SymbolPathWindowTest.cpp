// SPDX-License-Identifier: GPL-3.0-or-later
// The window «Путь символа» for a teacher, a screen reader and the keyboard: the hop table against the
// help page's worked example, names and role, the tab chain, Escape, the arrows' direction, the contrast
// of every colour drawn, and texts that never overlap at any size.

#include "path_window/PathLayout.h"
#include "path_window/SymbolPathView.h"
#include "path_window/SymbolPathWindow.h"

#include "machine/RotorBank.h"
#include "machine/RotorCatalogue.h"

#include "machine/Windows1251.h"
#include "tests/support/BuildPaths.h"

#include <QAccessible>
#include <QClipboard>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#if VELISTA_PATH_PICTURE_SVG
#include <QSvgRenderer>
#endif
#include <QTemporaryDir>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <cmath>

using namespace velista;

namespace {

// WCAG 2 contrast ratio of two colours.
double Luminance(const QColor& colour)
{
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString Rows(const QTableWidget* table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        rows << cells.join(" | ");
    }
    return rows.join('\n');
}

}  // namespace

class SymbolPathWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hopTable_data();
    void hopTable();
    void names_data();
    void names();
    void tabChainComesBack_data();
    void tabChainComesBack();
    void escapeCloses_data();
    void escapeCloses();
    void arrowsFollowTheHops_data();
    void arrowsFollowTheHops();
    void contrast_data();
    void contrast();
    void textsNeverOverlap_data();
    void textsNeverOverlap();
    void savedDrawingOpens_data();
    void savedDrawingOpens();
    void textPathEqualsTrace_data();
    void textPathEqualsTrace();

private:
    // Shows the path of `symbol` through the bank set to rotors 01234 and key «Ключ1».
    void Type(QChar symbol, bool decipher);

    RotorBank bank_;
    std::unique_ptr<SymbolPathWindow> window_;
};

void SymbolPathWindowTest::init()
{
    QVERIFY(bank_.SetDirectly(RotorCatalogue::Shipped(), {0, 1, 2, 3, 4}, u"Ключ1"));
    window_ = std::make_unique<SymbolPathWindow>();
    window_->SetBank(&bank_, u"Ключ1");
}

void SymbolPathWindowTest::cleanup() { window_.reset(); }

void SymbolPathWindowTest::Type(QChar symbol, bool decipher)
{
    window_->DecipherBox->setChecked(decipher);
    window_->SymbolField->setText(symbol);
}

void SymbolPathWindowTest::hopTable_data()
{
    QTest::addColumn<QChar>("symbol");
    QTest::addColumn<bool>("decipher");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("spoken");  // what the drawing says of its first hop

    // The worked example of the page «Велиста_М.htm»: «П» at the key of 01234 / «Ключ1».
    QTest::newRow("П enciphered, as on the help page")
        << QChar(u'П') << false << "1 → 2 | П | 129 | Д\n2 → 3 | Д | 109 | :\n3 → 4 | : | 77 | W lat\n4 → 5 | W lat | 30 | с"
        << "Ход 1, гнездо 1 → 2: кириллическая П, позиция 129, получается кириллическая Д.";
    QTest::newRow("с deciphered back, right to left")
        << QChar(u'с') << true << "5 → 4 | с | 30 | W lat\n4 → 3 | W lat | 77 | :\n3 → 2 | : | 109 | Д\n2 → 1 | Д | 129 | П"
        << "Ход 1, гнездо 5 → 4: кириллическая с, позиция 30, получается латинская W.";
    QTest::newRow("Ё is outside the alphabet") << QChar(u'Ё') << false
                                               << "1 → 2 | — | — | —\n2 → 3 | — | — | —\n3 → 4 | — | — | —\n4 → 5 | — | — | —"
                                               << "Символа нет в алфавите машины";
}

// The table reads like the help page's example, and the drawing says the same in words.
void SymbolPathWindowTest::hopTable()
{
    QFETCH(QChar, symbol);
    QFETCH(bool, decipher);
    QFETCH(QString, rows);
    QFETCH(QString, spoken);

    Type(symbol, decipher);

    QCOMPARE(Rows(window_->HopTable), rows);
    // Told after the window's first message within half a second.
    QTRY_VERIFY2(window_->PathView->accessibleDescription().contains(spoken),
                 qPrintable(window_->PathView->accessibleDescription()));
}

void SymbolPathWindowTest::names_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");

    QTest::newRow("symbol field") << "symbolField" << "Символ, путь которого показать";
    QTest::newRow("decipher box") << "decipherBox" << "Дешифрация";
    QTest::newRow("drawing") << "pathView" << "Рисунок пути символа";
    QTest::newRow("hop table") << "hopTable" << "Ходы символа";
    QTest::newRow("save menu") << "saveButton" << "Сохранить рисунок или путь";
}

// Each control a user can focus has its name, and the window reports the role of a dialog.
void SymbolPathWindowTest::names()
{
    QFETCH(QString, object);
    QFETCH(QString, name);

    auto* widget = window_->findChild<QWidget*>(object);
    QVERIFY(widget);
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    QCOMPARE(QAccessible::queryAccessibleInterface(window_.get())->role(), QAccessible::Dialog);
    // No focusable control is left out of this table.
    for (QWidget* child : window_->findChildren<QWidget*>()) {
        if (child->focusPolicy() & Qt::TabFocus)
            QVERIFY2(QStringList({"symbolField", "decipherBox", "pathView", "hopTable", "saveButton"})
                         .contains(child->objectName()),
                     qPrintable(child->metaObject()->className()));
    }
}

void SymbolPathWindowTest::tabChainComesBack_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QStringList>("chain");

    const QStringList saving{"saveButton"};
    QTest::newRow("no run: from the field") << false
                                            << QStringList{"symbolField", "decipherBox", "pathView", "hopTable"} + saving;
    QTest::newRow("a run: the field and the box are locked") << true << QStringList{"pathView", "hopTable"} + saving;
}

// The window opens with the focus on its first enabled control; Tab reaches every enabled control once
// and comes back, never walking the table's cells.
void SymbolPathWindowTest::tabChainComesBack()
{
    QFETCH(bool, running);
    QFETCH(QStringList, chain);

    Type(u'П', false);
    window_->SetRunning(running);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QStringList seen;
    for (int press = 0; press <= chain.size(); ++press) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && focus->isEnabled());
        seen << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(seen, chain + QStringList{chain.first()});
}

void SymbolPathWindowTest::escapeCloses_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("from the field") << "symbolField";
    QTest::newRow("from the drawing") << "pathView";
    QTest::newRow("from the table") << "hopTable";
}

void SymbolPathWindowTest::escapeCloses()
{
    QFETCH(QString, focus);

    Type(u'П', false);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto* widget = window_->findChild<QWidget*>(focus);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
}

void SymbolPathWindowTest::arrowsFollowTheHops_data()
{
    QTest::addColumn<bool>("decipher");
    QTest::addColumn<int>("direction");
    QTest::newRow("enciphering: left to right") << false << 1;
    QTest::newRow("deciphering: right to left") << true << -1;
}

// Every arrow, the small heads inside the slots too, points the way the symbol goes.
void SymbolPathWindowTest::arrowsFollowTheHops()
{
    QFETCH(bool, decipher);
    QFETCH(int, direction);

    Type(u'П', decipher);
    window_->PathView->resize(1000, 450);
    const PathLayout layout = window_->PathView->Layout();
    QCOMPARE(layout.direction, direction);
    // In, four hops, three heads inside slots 2 to 4, out.
    QCOMPARE(layout.arrows.size(), std::size_t(9));
    for (const PathLayout::Arrow& arrow : layout.arrows)
        QVERIFY((arrow.to.x() - arrow.from.x()) * direction > 0);
}

void SymbolPathWindowTest::contrast_data()
{
    QTest::addColumn<QChar>("symbol");
    QTest::addColumn<bool>("decipher");
    QTest::newRow("enciphering") << QChar(u'П') << false;
    QTest::newRow("deciphering") << QChar(u'с') << true;
    QTest::newRow("outside the alphabet") << QChar(u'Ё') << false;
}

// Every text drawn, and the window's own text, reads at 4.5:1 at least on what it stands on.
void SymbolPathWindowTest::contrast()
{
    QFETCH(QChar, symbol);
    QFETCH(bool, decipher);

    Type(symbol, decipher);
    window_->PathView->resize(1000, 450);
    const PathLayout layout = window_->PathView->Layout();
    QVERIFY(!layout.texts.empty());
    for (const PathLayout::Text& text : layout.texts)
        QVERIFY2(Contrast(text.colour, text.background) >= 4.5,
                 qPrintable(QStringLiteral("«%1» %2 on %3: %4").arg(text.text, text.colour.name(),
                                                                   text.background.name())
                                .arg(Contrast(text.colour, text.background))));
    const QPalette palette = window_->palette();
    QVERIFY(Contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)) >= 4.5);
    QVERIFY(Contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)) >= 4.5);
}

void SymbolPathWindowTest::textsNeverOverlap_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("decipher");

    QTest::addColumn<bool>("run");  // the long caption of a run

    QTest::newRow("as it opens") << QSize() << 14 << false << false;
    QTest::newRow("its least size") << QSize(1, 1) << 14 << true << false;
    QTest::newRow("its least size, a run") << QSize(1, 1) << 14 << false << true;
    QTest::newRow("narrow and low, a run") << QSize(400, 340) << 14 << true << true;
    QTest::newRow("wide and low") << QSize(1600, 420) << 14 << false << false;
    QTest::newRow("narrow and high") << QSize(420, 900) << 14 << true << false;
    QTest::newRow("three times the type, least size, a run") << QSize(1, 1) << 42 << false << true;
    QTest::newRow("three times the type, as it opens") << QSize() << 42 << true << false;
}

// At any size and type, no two texts of the drawing touch (the breve of «Й» stays clear of the position
// number above it), every text lies within the drawing, and the window's parts lie apart.
void SymbolPathWindowTest::textsNeverOverlap()
{
    QFETCH(QSize, size);
    QFETCH(int, points);
    QFETCH(bool, decipher);
    QFETCH(bool, run);

    QFont font = window_->font();
    font.setPointSize(points);
    window_->setFont(font);
    // «Й» in the cell the path starts from, under its position number.
    Type(u'Й', decipher);
    if (run) {
        window_->SetRunning(true);
        window_->ShowRunPosition(1'000'000, PathSnapshot::Take(bank_, u'Й', decipher ? CipherDirection::Decipher
                                                                                     : CipherDirection::Encipher,
                                                               u"Ключ1"));
    }
    window_->show();
    window_->resize(size.isValid() ? size : window_->sizeHint());
    QCoreApplication::processEvents();
    const QRect inside = window_->rect();
    const QList<QWidget*> parts{window_->Caption, window_->Legend, window_->PathView, window_->HopTable,
                                window_->SymbolField};
    for (int a = 0; a < parts.size(); ++a) {
        QVERIFY2(inside.contains(parts[a]->geometry()), qPrintable(parts[a]->objectName()));
        for (int b = a + 1; b < parts.size(); ++b)
            QVERIFY2(!parts[a]->geometry().intersects(parts[b]->geometry()),
                     qPrintable(parts[a]->objectName() + " / " + parts[b]->objectName()));
    }

    const PathLayout layout = window_->PathView->Layout();
    std::vector<QRectF> inks;
    bool breve = false;
    for (const PathLayout::Text& text : layout.texts) {
        const QRectF ink = QFontMetricsF(text.font).tightBoundingRect(text.text).translated(text.baseline);
        QVERIFY2(QRectF(window_->PathView->rect()).contains(ink), qPrintable(text.text));
        breve = breve || text.text == QStringLiteral("Й");
        inks.push_back(ink);
    }
    QVERIFY(breve);
    for (std::size_t a = 0; a < inks.size(); ++a)
        for (std::size_t b = a + 1; b < inks.size(); ++b)
            QVERIFY2(!inks[a].intersects(inks[b]),
                     qPrintable(layout.texts[a].text + " / " + layout.texts[b].text));
}

void SymbolPathWindowTest::savedDrawingOpens_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<bool>("decipher");

    QTest::newRow("PNG") << "путь.png" << QSize(900, 700) << false;
    QTest::newRow("PNG, a small window, deciphering") << "путь.PNG" << QSize(500, 520) << true;
    QTest::newRow("SVG") << "путь.svg" << QSize(900, 700) << false;
    QTest::newRow("SVG, a wide window") << "путь.SVG" << QSize(1400, 640) << true;
}

// The saved picture opens, holds the caption, the drawing and the table at the window's layout, a PNG at
// 300 dots an inch, an SVG at the window's own size; it is drawn, not blank; the clipboard gets the same.
void SymbolPathWindowTest::savedDrawingOpens()
{
    QFETCH(QString, file);
    QFETCH(QSize, windowSize);
    QFETCH(bool, decipher);

    Type(u'П', decipher);
    window_->resize(windowSize);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    const bool svgFile = file.endsWith("svg", Qt::CaseInsensitive);
    if (svgFile && !VELISTA_PATH_PICTURE_SVG) {
        // A build without Qt Svg says so and writes nothing under the .svg name.
        QVERIFY(window_->SaveDrawing(path).has_value());
        QVERIFY(!QFile::exists(path));
        return;
    }
    QCOMPARE(window_->SaveDrawing(path), std::optional<QString>());
    const QSize logical(std::max(window_->PathView->width(), window_->HopTable->width()) + 24,
                        window_->PathView->height() + window_->HopTable->height());
    QImage image;
    if (svgFile) {
#if VELISTA_PATH_PICTURE_SVG
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        // The view box is in the window's pixels; the size, written in millimetres, follows from it.
        QCOMPARE(svg.viewBox().width(), logical.width());
        QVERIFY(svg.viewBox().height() > logical.height());  // and the caption
        image = QImage(svg.viewBox().size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        svg.render(&painter);
#endif
    } else {
        QVERIFY(image.load(path, "png"));
        const double scale = 300.0 / window_->logicalDpiX();
        QCOMPARE(image.width(), int(std::ceil(logical.width() * scale)));
        QVERIFY(image.height() > int(logical.height() * scale));
        QCOMPARE(image.dotsPerMeterX(), 11811);
        QApplication::clipboard()->clear();
        QVERIFY(QApplication::clipboard()->image().isNull());
        window_->CopyDrawing();
        QCOMPARE(QApplication::clipboard()->image().size(), image.size());
    }
    // The four hop colours are drawn: a picture of white and grey alone would be empty.
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            coloured += QColor(image.pixel(x, y)).hsvSaturation() > 120 ? 1 : 0;
    QVERIFY2(coloured > 100, qPrintable(QString::number(coloured)));
}

void SymbolPathWindowTest::textPathEqualsTrace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("decipher");

    QTest::newRow("a letter with line breaks") << "Привет, мир!\r\nСтрока «два»: Ё, ё и \"кавычки\".\r\n" << false;
    QTest::newRow("deciphering, commas and quotes") << "a,b\"c\",(1)-[2].:3 Ъъ" << true;
    QTest::newRow("across the slot-2 carry") << QString("Машина Велиста: A-z. ").repeated(10) << false;
}

// «Сохранить путь текста…» writes a UTF-8 CSV with a byte-order mark whose rows, after the header, hold the
// fields of `velista-cli trace` for the same text, rotors and key.
void SymbolPathWindowTest::textPathEqualsTrace()
{
    QFETCH(QString, text);
    QFETCH(bool, decipher);

    QTemporaryDir dir;
    const QString input = dir.filePath("текст.txt");
    QFile in(input);
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(QByteArray::fromStdString(Windows1251::Encode(text.toStdU16String())));
    in.close();
    QProcess cli;
    QStringList arguments{"trace", "--rotors", "01234", "--key", "Ключ1", input};
    if (decipher)
        arguments << "--decrypt";
    cli.start(QString::fromUtf8(test::ToolProgram()), arguments);
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), 0);
    const QStringList trace = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

    const QString path = dir.filePath("путь.csv");
    const CipherDirection direction = decipher ? CipherDirection::Decipher : CipherDirection::Encipher;
    QCOMPARE(window_->SaveTextPath(path, {text, bank_}, direction), std::optional<QString>());
    QFile csv(path);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList rows = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QVERIFY(rows.takeFirst().startsWith(QStringLiteral("Позиция,Символ,")));
    QCOMPARE(rows.size(), trace.size());
    // RFC 4180 fields: a quoted field may hold commas and doubled quotes.
    static const QRegularExpression field(QStringLiteral("(?:^|,)(\"(?:[^\"]|\"\")*\"|[^,]*)"));
    for (int i = 0; i < rows.size(); ++i) {
        QStringList fields;
        for (auto match = field.globalMatch(rows[i]); match.hasNext();) {
            QString value = match.next().captured(1);
            if (value.startsWith('"'))
                value = value.mid(1, value.size() - 2).replace("\"\"", "\"");
            fields << value;
        }
        QCOMPARE(fields, trace[i].split('\t'));
    }
}

QTEST_MAIN(SymbolPathWindowTest)
#include "SymbolPathWindowTest.moc"
