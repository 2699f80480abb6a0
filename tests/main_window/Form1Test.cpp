// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform as designed: its controls, tab order, fonts and colours,
// first texts, fixed size, menus and shortcuts, status panels and lock indicators.

#include "tests/main_window/Form1Suite.h"

#include "platform/NoRegistry.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace velista;
using namespace velista::test;

class Form1Test : public QObject, private Form1Suite {
    Q_OBJECT

private slots:
    void init() { StartWindow(); }
    void cleanup() { StopWindow(); }

    void controlTable_data();
    void controlTable();
    void tabOrder();
    void fontsAndColours_data();
    void fontsAndColours();
    void initialTexts();
    void fixedWindow();
    void menuTree_data();
    void menuTree();
    void shortcutRunsEntry_data();
    void shortcutRunsEntry();
    void statusPanels();
    void lockIndicators_data();
    void lockIndicators();
    void layoutPanel_data();
    void layoutPanel();
};

// ---- The window as designed ------------------------------------------------------------------------

void Form1Test::controlTable_data()
{
    QTest::addColumn<QString>("container");  // "" for the window's client area
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QSize>("picture");  // empty for no picture

    const QSize square(32, 32);
    const QSize face(77, 32);
    const auto row = [](const char* name, const char* container, QRect twips, bool shown, bool enabled,
                        const QString& caption = {}, const QString& tooltip = {}, QSize picture = {}) {
        QTest::newRow(name) << QString::fromLatin1(container) << twips << shown << enabled << caption << tooltip
                            << picture;
    };
    row("SSPanel3", "", {0, 660, 4065, 5415}, true, true);
    row("SSPanel5", "SSPanel3", {30, 30, 4005, 255}, true, true, "Открытый текст");
    row("RichTextBox2", "SSPanel3", {60, 300, 3945, 5055}, true, true);
    row("SSPanel2", "", {30, 0, 8145, 645}, true, true);
    row("SSCommand3", "SSPanel2", {60, 60, 540, 540}, true, true, "", "Новый текст", square);
    row("SSCommand2", "SSPanel2", {630, 60, 540, 540}, true, true, "", "Открыть текст", square);
    row("SSCommand4", "SSPanel2", {1200, 60, 540, 540}, true, true, "", "Сохранить текст", square);
    row("SSCommand9", "SSPanel2", {2190, 60, 1260, 510}, false, true, "Шифрование  ", "", face);
    row("SSCommand8", "SSPanel2", {3780, 60, 540, 540}, true, true, "", "Роторы", square);
    row("SSCommand7", "SSPanel2", {4710, 60, 1290, 510}, false, true, "Дешифрация   ", "", face);
    row("SSCommand5", "SSPanel2", {6360, 60, 540, 540}, true, true, "", "Сохранить шифротекст", square);
    row("SSCommand1", "SSPanel2", {6960, 60, 540, 540}, true, true, "", "Открыть шифротекст", square);
    row("SSCommand6", "SSPanel2", {7530, 60, 540, 540}, true, true, "", "Новый шифротекст", square);
    row("SSPanel1", "", {8190, 0, 3135, 6075}, true, true);
    row("List2(0)", "SSPanel1", {90, 1440, 585, 4515}, true, false);
    row("Text4", "SSPanel1", {150, 1020, 1185, 285}, true, true, "", "пять цифр от 0 до 9: роторы для гнёзд 1–5");
    row("Text5", "SSPanel1", {1590, 1020, 1335, 285}, true, true, "", "пять символов алфавита: ключ");
    row("List2(1)", "SSPanel1", {690, 1440, 585, 4515}, true, false);
    row("List2(2)", "SSPanel1", {1290, 1440, 585, 4515}, true, false);
    row("List2(3)", "SSPanel1", {1890, 1440, 585, 4515}, true, false);
    row("List2(4)", "SSPanel1", {2490, 1440, 585, 4515}, true, false);
    row("SSCommand10", "SSPanel1", {90, 60, 2955, 555}, true, false, "Установить роторы  ", "", square);
    row("Label1", "SSPanel1", {150, 750, 570, 195}, true, true, "Роторы");
    row("Label2", "SSPanel1", {1590, 750, 390, 195}, true, true, "Ключ");
    row("SSPanel4", "", {4080, 660, 4065, 5415}, true, true);
    row("RichTextBox1", "SSPanel4", {30, 300, 3975, 5055}, true, true);
    row("SSPanel6", "SSPanel4", {30, 30, 4005, 255}, true, true, "Шифротекст");
}

void Form1Test::controlTable()
{
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(QSize, picture);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QWidget*> named = f->findChildren<QWidget*>(name);
    QCOMPARE(named.size(), 1);
    QWidget* control = named.front();
    QWidget* expectedParent = container.isEmpty() ? f->centralWidget() : Control(container);
    QVERIFY(expectedParent);
    QCOMPARE(control->parentWidget(), expectedParent);
    QCOMPARE(control->geometry(), QRect(Pixels(twips.x()), Pixels(twips.y()), Pixels(twips.width()),
                                        Pixels(twips.height())));
    QCOMPARE(control->isVisible(), shown);
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(CaptionOf(control), caption);
    QCOMPARE(control->toolTip(), tooltip);
    if (auto* button = qobject_cast<ThreeDButton*>(control)) {
        QVERIFY(!button->Picture().isNull());
        QCOMPARE(button->Picture().availableSizes().value(0), picture);
    } else {
        QVERIFY(picture.isEmpty());
    }
}

void Form1Test::tabOrder()
{
    // The focusable controls by their designed tab index.
    const QStringList expected = {"RichTextBox2", "SSCommand9", "SSCommand2", "SSCommand3", "SSCommand4",
                                  "SSCommand1",   "SSCommand5", "SSCommand6", "SSCommand7", "SSCommand10",
                                  "Text5",        "Text4",      "RichTextBox1", "SSCommand8"};
    QWidget* start = Control<RichTextBox>("RichTextBox2");
    QStringList chain;
    QWidget* w = start;
    do {
        if (expected.contains(w->objectName()) && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w && w != start);
    QCOMPARE(chain, expected);
    QCOMPARE(QApplication::focusWidget(), Control<RichTextBox>("RichTextBox2"));
}

void Form1Test::fontsAndColours_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");

    const QColor paleYellow(255, 255, 192);
    const QColor grey(224, 224, 224);
    QTest::newRow("RichTextBox2") << 9.75 << false << false << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("RichTextBox1") << 9.75 << false << false << QColor(255, 224, 192) << QColor(Qt::black);
    QTest::newRow("Text4") << 8.25 << true << false << QColor(Qt::black) << paleYellow;
    QTest::newRow("Text5") << 8.25 << true << false << QColor(Qt::black) << paleYellow;
    for (int i = 0; i < 5; ++i)
        QTest::addRow("List2(%d)", i) << 8.25 << true << true << grey << QColor(Qt::black);
    QTest::newRow("Label1") << 8.25 << false << false << QColor() << QColor();
    QTest::newRow("SSCommand10") << 8.25 << false << false << QColor() << QColor();
}

void Form1Test::fontsAndColours()
{
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, base);
    QFETCH(QColor, text);

    QWidget* control = Control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    const QFont font = control->font();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    if (base.isValid()) {
        QCOMPARE(control->palette().color(QPalette::Base), base);
        QCOMPARE(control->palette().color(QPalette::Text), text);
    }
}

void Form1Test::initialTexts()
{
    const QString sample = QStringLiteral(
        "Перепоручение секретов машине не всегда эффективно .\r\n"
        "\r\n"
        " Большое количество ключей не всегда помогает .\r\n"
        "\r\n"
        " Атаку можно организовать всегда , если есть представление об исходном тексте .\r\n"
        "\r\n"
        " Нельзя позволять людям самим генерировать ключи .\r\n"
        "\r\n"
        " Управление ключами \u2014 слабое звено \r\n"
        "\r\n");
    QCOMPARE(Control<RichTextBox>("RichTextBox2")->Text(), sample);
    QCOMPARE(Control<RichTextBox>("RichTextBox2")->document()->blockCount(), 11);
    for (const int position : {1, 60, int(Control<RichTextBox>("RichTextBox2")->document()->characterCount()) - 2}) {
        QTextCursor cursor(Control<RichTextBox>("RichTextBox2")->document());
        cursor.setPosition(position);
        QCOMPARE(cursor.charFormat().fontPointSize(), 10.0);
        QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("MS Sans Serif"));
    }
    QCOMPARE(Control<RichTextBox>("RichTextBox1")->Text(), QString());
    QCOMPARE(Control<FilteredField>("Text4")->text(), QString());
    QCOMPARE(Control<FilteredField>("Text5")->text(), QString());
    for (const RotorWindow* window : RotorWindows(*f))
        QCOMPARE(window->Lines(), QStringList(23, BlankLine));
    QCOMPARE(Control<QTimer>("Timer1")->interval(), 50);
    QVERIFY(Control<QTimer>("Timer1")->isActive());
    QVERIFY(!f->RotorsInstalled());
}

void Form1Test::fixedWindow()
{
    QCOMPARE(f->windowTitle(), QStringLiteral("Велиста"));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QCOMPARE(f->width(), Pixels(11310));
    QCOMPARE(f->WidthTwips(), 11400);
    QVERIFY(!(f->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // The client area below the menu bar: the controls, then the status bar docked at the bottom.
    const int clientTop = f->centralWidget()->y();
    QCOMPARE(f->height() - clientTop, Pixels(6330));
    QCOMPARE(Control<StatusBar>("StatusBar1")->geometry(),
             QRect(0, clientTop + Pixels(6045), Pixels(11310), Pixels(285)));
    const QRect screen = f->screen()->availableGeometry();
    QVERIFY(qAbs(f->frameGeometry().center().x() - screen.center().x()) <= 1);
}

void Form1Test::menuTree_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");  // caption, a tab and the shortcut; "-" for a separator

    QTest::newRow("file") << 0 << " Файл "
                          << QStringList{"new:Новый текст\tCtrl+F3",
                                         "open:Открыть текст\tCtrl+F4",
                                         "save_text:Сохранить текст\tCtrl+F2",
                                         "-",
                                         "kjkj:Новый шифротекст\tShift+F3",
                                         "open_shifr:Открыть шифротекст\tShift+F4",
                                         "save_shifr:Сохранить шифротекст\tShift+F2",
                                         "exportPdfAction:Экспорт в PDF…",
                                         "-",
                                         "vbn:Роторы\tF8",
                                         "-",
                                         "exit:Выход"};
    QTest::newRow("teaching") << 1 << " Обучение "
                              << QStringList{"oneSymbolAction:1 символ в секунду\tCtrl+1",
                                             "tenSymbolsAction:10 символов в секунду\tCtrl+2",
                                             "normalSpeedAction:Обычная скорость\tCtrl+3",
                                             "noDelayAction:Без задержек\tCtrl+4",
                                             "-",
                                             "pauseAction:Пауза\tF5",
                                             "stepAction:Шаг\tF6",
                                             "stepBackAction:Шаг назад\tShift+F6",
                                             "-",
                                             "pathAction:Путь символа\tF7",
                                             "cryptanalysisAction:Криптоанализ\tF9"};
    QTest::newRow("view") << 2 << " Вид "
                          << QStringList{"zoomInAction:Крупнее\tCtrl+=", "zoomOutAction:Мельче\tCtrl+-",
                                         "zoomResetAction:Обычный размер\tCtrl+0"};
    QTest::newRow("help") << 3 << " Помощь "
                          << QStringList{"aaa:Велиста", "hhhh:Помощь", "about:О программе..."};
}

void Form1Test::menuTree()
{
    QFETCH(int, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);

    const QList<QAction*> menus = f->menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    QMenu* opened = menus[menu]->menu();
    QVERIFY(opened);
    QCOMPARE(opened->title(), title);
    QStringList found;
    for (const QAction* entry : opened->actions()) {
        if (entry->isSeparator()) {
            found.append("-");
            continue;
        }
        QString text = entry->objectName() + ':' + entry->text();
        if (!entry->shortcut().isEmpty())
            text += '\t' + entry->shortcut().toString(QKeySequence::PortableText);
        found.append(text);
    }
    QCOMPARE(found, entries);
}

void Form1Test::shortcutRunsEntry_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("entry");

    QTest::newRow("Ctrl+F3") << int(Qt::Key_F3) << int(Qt::ControlModifier) << "new";
    QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << "open";
    QTest::newRow("Ctrl+F2") << int(Qt::Key_F2) << int(Qt::ControlModifier) << "save_text";
    QTest::newRow("Shift+F3") << int(Qt::Key_F3) << int(Qt::ShiftModifier) << "kjkj";
    QTest::newRow("Shift+F4") << int(Qt::Key_F4) << int(Qt::ShiftModifier) << "open_shifr";
    QTest::newRow("Shift+F2") << int(Qt::Key_F2) << int(Qt::ShiftModifier) << "save_shifr";
    QTest::newRow("F8") << int(Qt::Key_F8) << int(Qt::NoModifier) << "vbn";
}

void Form1Test::shortcutRunsEntry()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, entry);

    QAction* action = f->findChild<QAction*>(entry);
    QVERIFY(action);
    QSignalSpy triggered(action, &QAction::triggered);
    // The accelerators work wherever the focus is, also in a field.
    Control<FilteredField>("Text5")->setFocus();
    QTest::keyClick(Control<FilteredField>("Text5"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(triggered.size(), 1);
    QCOMPARE(world->beeper.beeps, 0);
}

void Form1Test::statusPanels()
{
    StatusBar* bar = Control<StatusBar>("StatusBar1");
    QCOMPARE(bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size(), 5);
    const int fixedWidths[] = {3333, 0, 488, 555, 555};
    for (int panel = 1; panel <= 5; ++panel) {
        QLabel* label = bar->Panel(panel);
        QCOMPARE(label->frameShadow(), QFrame::Sunken);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        if (fixedWidths[panel - 1] != 0)
            QCOMPARE(label->width(), Pixels(fixedWidths[panel - 1]));
    }
    QCOMPARE(bar->PanelText(1), NotInstalled);
    QCOMPARE(bar->PanelText(2), QString());
    QCOMPARE(bar->PanelText(3), QStringLiteral("CAPS"));
    QCOMPARE(bar->PanelText(4), QStringLiteral("NUM"));
    // Panel 2 takes the free width: it narrows with the window while the others keep theirs.
    QCOMPARE(bar->Panel(2)->minimumWidth(), Pixels(666));
    QVERIFY(bar->Panel(2)->width() > Pixels(666));
    const int wide = bar->Panel(2)->width();
    const int windowWide = f->width();
    f->ToggleRotorPanel();
    QTRY_COMPARE(bar->Panel(2)->width(), wide - (windowWide - f->width()));
    QCOMPARE(bar->Panel(1)->width(), Pixels(3333));
}

void Form1Test::lockIndicators_data()
{
    QTest::addColumn<bool>("caps");
    QTest::addColumn<bool>("num");

    QTest::newRow("both off") << false << false;
    QTest::newRow("caps on") << true << false;
    QTest::newRow("num on") << false << true;
    QTest::newRow("both on") << true << true;
}

void Form1Test::lockIndicators()
{
    QFETCH(bool, caps);
    QFETCH(bool, num);

    const QPalette design = Control<StatusBar>("StatusBar1")->palette();
    const QColor full = design.color(QPalette::Active, QPalette::WindowText);
    const QColor dimmed = design.color(QPalette::Disabled, QPalette::WindowText);
    QVERIFY(full != dimmed);
    // Start from the opposite state, so that the indicators must change.
    world->keyboard.caps = !caps;
    world->keyboard.num = !num;
    Control<StatusBar>("StatusBar1")->RefreshLockIndicators();
    world->keyboard.caps = caps;
    world->keyboard.num = num;
    Control<StatusBar>("StatusBar1")->RefreshLockIndicators();
    // Off is dimmed, in a grey darker than the style's disabled one so that it stays readable.
    const auto dimmedEnough = [&](const QColor& colour) { return colour != full && colour.lightness() < dimmed.lightness(); };
    const QColor capsInk = Control<StatusBar>("StatusBar1")->Panel(3)->palette().color(QPalette::WindowText);
    const QColor numInk = Control<StatusBar>("StatusBar1")->Panel(4)->palette().color(QPalette::WindowText);
    QVERIFY2(caps ? capsInk == full : dimmedEnough(capsInk), qPrintable(capsInk.name()));
    QVERIFY2(num ? numInk == full : dimmedEnough(numInk), qPrintable(numInk.name()));
    QCOMPARE(Control<StatusBar>("StatusBar1")->PanelText(3), QStringLiteral("CAPS"));
    QCOMPARE(Control<StatusBar>("StatusBar1")->PanelText(4), QStringLiteral("NUM"));
    // Readable on a projector (WCAG's 4.5:1 against the status bar), and told by name, not by colour alone.
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double face = luminance(design.color(QPalette::Active, QPalette::Window));
    for (const auto& [panel, on, ink] : {std::tuple{3, caps, capsInk}, std::tuple{4, num, numInk}}) {
        const double text = luminance(ink);
        QVERIFY2((std::max(face, text) + 0.05) / (std::min(face, text) + 0.05) >= 4.5, qPrintable(ink.name()));
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(Control<StatusBar>("StatusBar1")->Panel(panel));
        QCOMPARE(iface->text(QAccessible::Name),
                 QStringLiteral("%1 %2").arg(Control<StatusBar>("StatusBar1")->PanelText(panel),
                                             on ? "включён" : "выключен"));
    }
}

void Form1Test::layoutPanel_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("panel");

    QTest::newRow("plain Russian") << "00000419" << "Ru";
    QTest::newRow("Russian variant") << "00010419" << "En";
    QTest::newRow("US English") << "00000409" << "En";
    QTest::newRow("unreadable") << "" << "En";
}

void Form1Test::layoutPanel()
{
    QFETCH(QString, identifier);
    QFETCH(QString, panel);

    Control<StatusBar>("StatusBar1")->SetPanelText(5, QStringLiteral("?"));
    world->keyboard.layout = identifier.toStdString();
    // The running timer writes the panel within a tick or two.
    QTRY_COMPARE_WITH_TIMEOUT(Control<StatusBar>("StatusBar1")->PanelText(5), panel, 200);
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
