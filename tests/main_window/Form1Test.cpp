// The main window on the offscreen platform: its controls, menus and status bar as designed, the rotor
// and key fields with their filters and change handlers, installing the rotors through the button, the
// polling timer's rule, the locked state during a run and the rotor panel switch.

#include "CipherMachine.h"
#include "WindowFixture.h"
#include "FilteredField.h"
#include "Form1.h"
#include "NoRegistry.h"
#include "RichTextBox.h"
#include "RotorWindow.h"
#include "StatusBar.h"
#include "ThreeDButton.h"
#include "ThreeDPanel.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace velista;
using namespace velista::test;

namespace {

const QString NotInstalled = QStringLiteral("ВНИМАНИЕ!  Роторы НЕ установлены.");
const QString NotInstalledAfterRotors = QStringLiteral("ВНИМАНИЕ!Рторы НЕ установлены.");
const QString Installed = QStringLiteral("Роторы  установлены.");
const QString BlankLine = QStringLiteral("       ");

int Pixels(int twips) { return qRound(twips / 15.0); }

QString WindowLine(QChar symbol) { return QStringLiteral("   ") + symbol + QStringLiteral("   "); }

// Types each character as a key press; "\b" is the backspace key.
void Type(QWidget* field, const QString& keys)
{
    for (const QChar c : keys) {
        if (c == u'\b')
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, field, c.isPrint() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
}

QString CaptionOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* panel = qobject_cast<ThreeDPanel*>(control))
        return panel->Caption();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return field->text();
    return {};
}

// Runs action once, at the first event-loop pass in which condition holds, while work runs.
bool RunDuring(const std::function<bool()>& condition, const std::function<void()>& action,
               const std::function<void()>& work)
{
    bool done = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!done && condition()) {
            done = true;
            action();
        }
    });
    poll.start();
    work();
    poll.stop();
    return done;
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

    void typedKeys_data();
    void typedKeys();
    void pastedText_data();
    void pastedText();
    void fieldChange_data();
    void fieldChange();
    void editAfterInstallMakesBankStale_data();
    void editAfterInstallMakesBankStale();

    void installThroughButton_data();
    void installThroughButton();
    void installRefusedWithIncompleteFields_data();
    void installRefusedWithIncompleteFields();
    void secondClickDuringInstallation_data();
    void secondClickDuringInstallation();
    void exitDuringInstallation_data();
    void exitDuringInstallation();

    void timerRule_data();
    void timerRule();
    void lockedDuringRun_data();
    void lockedDuringRun();
    void rotorPanelSwitch_data();
    void rotorPanelSwitch();

private:

    FilteredField* Field(const QString& name) const { return name == "Text4" ? f->Text4 : f->Text5; }
    void Tick() { QVERIFY(QMetaObject::invokeMethod(f->Timer1, "timeout")); }
    void SetFields(const QString& rotors, const QString& key);
    void Install(const QString& rotors, const QString& key);
    void CheckInstalled(const QString& rotors, const QString& key);
    // The rotor panel switch by one of its routes: the command, the menu entry, the button or F8.
    void SwitchRotorPanel(const QString& route)
    {
        if (route == "command")
            f->ToggleRotorPanel();
        else if (route == "menu")
            f->vbnAction->trigger();
        else if (route == "button")
            QTest::mouseClick(f->SSCommand8, Qt::LeftButton);
        else
            QTest::keyClick(f, Qt::Key_F8);
    }
    QWidget* Control(const QString& name) const { return f->findChild<QWidget*>(name); }

    std::unique_ptr<WindowFixture> world;
    Form1* f = nullptr;
};

void Form1Test::init()
{
    world = std::make_unique<WindowFixture>();
    f = &world->form;
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void Form1Test::cleanup()
{
    world.reset();
    f = nullptr;
}

void Form1Test::SetFields(const QString& rotors, const QString& key)
{
    f->Text5->setText(key);
    f->Text4->setText(rotors);
    QCOMPARE(f->Text4->text(), rotors);
    QCOMPARE(f->Text5->text(), key);
}

void Form1Test::Install(const QString& rotors, const QString& key)
{
    SetFields(rotors, key);
    QVERIFY(f->SSCommand10->isEnabled());
    QTest::mouseClick(f->SSCommand10, Qt::LeftButton);
    QVERIFY(f->RotorsInstalled());
}

// Every slot holds the rotor its digit names, turned so that its key symbol is on top, and every rotor
// window shows the slot's entry row positions 0 to 22.
void Form1Test::CheckInstalled(const QString& rotors, const QString& key)
{
    QVERIFY(f->RotorsInstalled());
    QCOMPARE(f->StatusBar1->PanelText(1), Installed);
    QVERIFY(!f->SSCommand10->isEnabled());
    for (std::int16_t k = 1; k <= 5; ++k) {
        const RotorSlot& slot = world->machine.Bank().Slot(k);
        const RotorWindow* window = f->List2[std::size_t(k - 1)];
        QVERIFY(slot.Copied() == world->machine.Catalogue()[rotors[k - 1].digitValue()]);
        QCOMPARE(QChar(slot.EntryAt(0)), key[k - 1]);
        QCOMPARE(window->Lines().size(), 23);
        QCOMPARE(window->Lines().front(), WindowLine(key[k - 1]));
        for (int p = 0; p < 23; ++p)
            QCOMPARE(window->Lines()[p], WindowLine(QChar(slot.EntryAt(p))));
    }
}

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
    QWidget* start = f->RichTextBox2;
    QStringList chain;
    QWidget* w = start;
    do {
        if (expected.contains(w->objectName()) && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w && w != start);
    QCOMPARE(chain, expected);
    QCOMPARE(QApplication::focusWidget(), f->RichTextBox2);
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
    QCOMPARE(f->RichTextBox2->Text(), sample);
    QCOMPARE(f->RichTextBox2->document()->blockCount(), 11);
    for (const int position : {1, 60, int(f->RichTextBox2->document()->characterCount()) - 2}) {
        QTextCursor cursor(f->RichTextBox2->document());
        cursor.setPosition(position);
        QCOMPARE(cursor.charFormat().fontPointSize(), 10.0);
        QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("MS Sans Serif"));
    }
    QCOMPARE(f->RichTextBox1->Text(), QString());
    QCOMPARE(f->Text4->text(), QString());
    QCOMPARE(f->Text5->text(), QString());
    for (const RotorWindow* window : f->List2)
        QCOMPARE(window->Lines(), QStringList(23, BlankLine));
    QCOMPARE(f->Timer1->interval(), 50);
    QVERIFY(f->Timer1->isActive());
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
    QCOMPARE(f->StatusBar1->geometry(), QRect(0, clientTop + Pixels(6045), Pixels(11310), Pixels(285)));
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
                                             "-",
                                             "pathAction:Путь символа\tF7",
                                             "cryptanalysisAction:Криптоанализ\tF9"};
    QTest::newRow("help") << 2 << " Помощь "
                          << QStringList{"aaa:Велиста", "hhhh:Помощь", "about:О программе..."};
}

void Form1Test::menuTree()
{
    QFETCH(int, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);

    const QList<QAction*> menus = f->menuBar()->actions();
    QCOMPARE(menus.size(), 3);
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
    f->Text5->setFocus();
    QTest::keyClick(f->Text5, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(triggered.size(), 1);
    QCOMPARE(world->beeper.beeps, 0);
}

void Form1Test::statusPanels()
{
    StatusBar* bar = f->StatusBar1;
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

    const QPalette design = f->StatusBar1->palette();
    const QColor full = design.color(QPalette::Active, QPalette::WindowText);
    const QColor dimmed = design.color(QPalette::Disabled, QPalette::WindowText);
    QVERIFY(full != dimmed);
    // Start from the opposite state, so that the indicators must change.
    world->keyboard.caps = !caps;
    world->keyboard.num = !num;
    f->StatusBar1->RefreshLockIndicators();
    world->keyboard.caps = caps;
    world->keyboard.num = num;
    f->StatusBar1->RefreshLockIndicators();
    QCOMPARE(f->StatusBar1->Panel(3)->palette().color(QPalette::WindowText), caps ? full : dimmed);
    QCOMPARE(f->StatusBar1->Panel(4)->palette().color(QPalette::WindowText), num ? full : dimmed);
    QCOMPARE(f->StatusBar1->PanelText(3), QStringLiteral("CAPS"));
    QCOMPARE(f->StatusBar1->PanelText(4), QStringLiteral("NUM"));
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

    f->StatusBar1->SetPanelText(5, QStringLiteral("?"));
    world->keyboard.layout = identifier.toStdString();
    // The running timer writes the panel within a tick or two.
    QTRY_COMPARE_WITH_TIMEOUT(f->StatusBar1->PanelText(5), panel, 200);
}

// ---- The rotor and key fields ------------------------------------------------------------------------

void Form1Test::typedKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");  // "\b" is backspace
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");

    QTest::newRow("rotor field: digits") << "Text4" << "" << "90817" << "90817" << 0;
    QTest::newRow("rotor field: letters") << "Text4" << "" << "aZЯ" << "" << 3;
    QTest::newRow("rotor field: space and punctuation") << "Text4" << "" << " .,-(:[" << "" << 7;
    QTest::newRow("rotor field: refused among digits") << "Text4" << "1" << "x2!3" << "123" << 2;
    QTest::newRow("rotor field: control character") << "Text4" << "1" << "\x01" << "1" << 1;
    QTest::newRow("rotor field: backspace") << "Text4" << "123" << "\b" << "12" << 0;
    QTest::newRow("rotor field: sixth digit") << "Text4" << "12345" << "6" << "12345" << 0;
    QTest::newRow("key field: space, letters, bracket, digit") << "Text5" << "" << " Я[a1" << " Я[a1" << 0;
    QTest::newRow("key field: punctuation") << "Text5" << "" << "(),-." << "(),-." << 0;
    QTest::newRow("key field: colon and closing bracket") << "Text5" << "" << ":]zж" << ":]zж" << 0;
    QTest::newRow("key field: Ё ё ! ?") << "Text5" << "a" << "Ёё!?" << "a" << 4;
    QTest::newRow("key field: semicolon and quote") << "Text5" << "" << ";\"" << "" << 2;
    QTest::newRow("key field: control character") << "Text5" << "" << "\x01" << "" << 1;
    QTest::newRow("key field: backspace") << "Text5" << "abc" << "\b" << "ab" << 0;
    QTest::newRow("key field: sixth symbol") << "Text5" << "abcde" << "f" << "abcde" << 0;
    QTest::newRow("key field: sixth character outside the alphabet") << "Text5" << "abcde" << "!" << "abcde" << 1;
}

void Form1Test::typedKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    FilteredField* edit = Field(field);
    edit->setText(before);
    edit->setFocus();
    edit->end(false);
    world->beeper.beeps = 0;
    Type(edit, keys);
    QCOMPARE(edit->text(), after);
    QCOMPARE(world->beeper.beeps, beeps);
}

void Form1Test::pastedText_data()
{
    QTest::addColumn<bool>("drop");  // dropped rather than pasted with Ctrl+V
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");  // what typing the same characters gives
    QTest::addColumn<int>("beeps");

    QTest::newRow("pasted: digits") << false << "Text4" << "" << "01234" << "01234" << 0;
    QTest::newRow("pasted: letters among digits") << false << "Text4" << "" << "1a2b3" << "123" << 2;
    QTest::newRow("pasted: into a partial field") << false << "Text4" << "12" << "a3" << "123" << 1;
    QTest::newRow("pasted: refused character before the fifth digit")
        << false << "Text4" << "" << "12a345" << "12345" << 1;
    QTest::newRow("pasted: Ё ё ! ? among key symbols") << false << "Text5" << "" << "Ёж!ё?" << "ж" << 4;
    QTest::newRow("pasted: line break in a key") << false << "Text5" << "" << "ab\ncd" << "abcd" << 1;
    QTest::newRow("pasted: tab in a key") << false << "Text5" << "" << "a\tb" << "ab" << 1;
    QTest::newRow("dropped: letters among digits") << true << "Text4" << "" << "1a2b3" << "123" << 2;
    QTest::newRow("dropped: Ё and a key symbol") << true << "Text5" << "" << "Ёж" << "ж" << 1;
}

void Form1Test::pastedText()
{
    QFETCH(bool, drop);
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    FilteredField* edit = Field(field);
    edit->setText(before);
    edit->setFocus();
    edit->end(false);
    world->beeper.beeps = 0;
    if (drop) {
        QMimeData data;
        data.setText(text);
        const QPoint at = edit->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &dropped);
    } else {
        QGuiApplication::clipboard()->setText(text);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(edit->text(), after);
    QCOMPARE(world->beeper.beeps, beeps);
}

void Form1Test::fieldChange_data()
{
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("installEnabled");
    QTest::addColumn<QString>("focus");

    QTest::newRow("rotor field: fifth digit, key empty")
        << "0123" << "" << "Text4" << "4" << NotInstalledAfterRotors << false << "Text5";
    QTest::newRow("rotor field: fifth digit, key complete")
        << "0123" << "abcde" << "Text4" << "4" << NotInstalledAfterRotors << true << "Text5";
    QTest::newRow("rotor field: four digits") << "" << "abcde" << "Text4" << "0123" << NotInstalledAfterRotors << false
                                              << "Text4";
    QTest::newRow("rotor field: digit deleted")
        << "01234" << "abcde" << "Text4" << "\b" << NotInstalledAfterRotors << false << "Text4";
    QTest::newRow("key field: fifth symbol, rotors complete")
        << "01234" << "abcd" << "Text5" << "e" << NotInstalled << true << "Text5";
    QTest::newRow("key field: fifth symbol, rotors incomplete")
        << "0123" << "abcd" << "Text5" << "e" << NotInstalled << false << "Text5";
    QTest::newRow("key field: symbol deleted") << "01234" << "abcde" << "Text5" << "\b" << NotInstalled << false
                                               << "Text5";
}

// A change hides the run buttons and writes the warning, yields, and only then moves the focus, sets the
// install button and (rotor field) writes the second text.
void Form1Test::fieldChange()
{
    QFETCH(QString, rotors);
    QFETCH(QString, key);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, panel);
    QFETCH(bool, installEnabled);
    QFETCH(QString, focus);

    SetFields(rotors, key);
    f->Timer1->stop();
    f->SSCommand9->show();
    f->SSCommand7->show();
    f->StatusBar1->SetPanelText(1, QString());
    FilteredField* edit = Field(field);
    edit->setFocus();
    edit->end(false);
    const bool installBefore = f->SSCommand10->isEnabled();

    struct Snapshot {
        QString panel;
        bool run9, run7, installEnabled;
        QWidget* focus;
    };
    QList<Snapshot> yields;
    QTimer recorder;
    recorder.setInterval(0);
    connect(&recorder, &QTimer::timeout, [&] {
        yields.append({f->StatusBar1->PanelText(1), f->SSCommand9->isVisible(), f->SSCommand7->isVisible(),
                       f->SSCommand10->isEnabled(), QApplication::focusWidget()});
    });
    recorder.start();
    Type(edit, keys);
    recorder.stop();

    QVERIFY(!yields.isEmpty());
    const Snapshot& first = yields.front();
    QCOMPARE(first.panel, NotInstalled);
    QVERIFY(!first.run9 && !first.run7);
    QCOMPARE(first.installEnabled, installBefore);
    QCOMPARE(first.focus, static_cast<QWidget*>(edit));

    QCOMPARE(f->StatusBar1->PanelText(1), panel);
    QCOMPARE(f->SSCommand10->isEnabled(), installEnabled);
    QCOMPARE(QApplication::focusWidget(), Control(focus));
    QVERIFY(!f->RotorsInstalled());
}

void Form1Test::editAfterInstallMakesBankStale_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("installEnabled");

    QTest::newRow("rotor field: digit deleted") << "Text4" << "\b" << NotInstalledAfterRotors << false;
    QTest::newRow("rotor field: same digit retyped") << "Text4" << "\b4" << NotInstalledAfterRotors << true;
    QTest::newRow("key field: symbol deleted") << "Text5" << "\b" << NotInstalled << false;
    QTest::newRow("key field: same symbol retyped") << "Text5" << "\be" << NotInstalled << true;
}

void Form1Test::editAfterInstallMakesBankStale()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, panel);
    QFETCH(bool, installEnabled);

    // Text in both areas, so that a tick during the installation's last yields shows both buttons too.
    f->RichTextBox1->SetText(QStringLiteral("шифротекст"));
    Install("01234", "abcde");
    f->Timer1->stop();
    QVERIFY(f->SSCommand9->isVisible() && f->SSCommand7->isVisible());
    FilteredField* edit = Field(field);
    edit->setFocus();
    edit->end(false);
    Type(edit, keys);
    QVERIFY(!f->RotorsInstalled());
    QVERIFY(!f->SSCommand9->isVisible());
    QVERIFY(!f->SSCommand7->isVisible());
    QCOMPARE(f->StatusBar1->PanelText(1), panel);
    QCOMPARE(f->SSCommand10->isEnabled(), installEnabled);
}

// ---- Installing the rotors -----------------------------------------------------------------------------

void Form1Test::installThroughButton_data()
{
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");

    QTest::newRow("ascending rotors, Latin key") << "01234" << "abcde";
    QTest::newRow("one rotor in every slot") << "77777" << "Яя[] ";
    QTest::newRow("descending rotors, digits and punctuation") << "98765" << "0(,:.";
}

void Form1Test::installThroughButton()
{
    QFETCH(QString, rotors);
    QFETCH(QString, key);

    Install(rotors, key);
    CheckInstalled(rotors, key);
    QVERIFY(world->dialogs.critical.isEmpty());
    for (std::int16_t k = 1; k <= 5; ++k)
        QCOMPARE(world->machine.Bank().StepCounter(k), std::int16_t{0});
}

void Form1Test::installRefusedWithIncompleteFields_data()
{
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");

    QTest::newRow("four rotor digits") << "0123" << "abcde";
    QTest::newRow("four key symbols") << "01234" << "abcd";
    QTest::newRow("both fields empty") << "" << "";
}

void Form1Test::installRefusedWithIncompleteFields()
{
    QFETCH(QString, rotors);
    QFETCH(QString, key);

    SetFields(rotors, key);
    // The button stays disabled, so a click does nothing at all.
    QVERIFY(!f->SSCommand10->isEnabled());
    QTest::mouseClick(f->SSCommand10, Qt::LeftButton);
    QVERIFY(world->dialogs.critical.isEmpty());
    // The same installation as at the end of a run refuses with the message box.
    const QString panel = f->StatusBar1->PanelText(1);
    QVERIFY(!f->InstallRotors());
    QCOMPARE(world->dialogs.critical.size(), 1);
    QCOMPARE(world->dialogs.critical.front().first,
             QStringLiteral("Не указаны номера всех дисков или ключ имеет менее 5-ти символов "));
    QCOMPARE(world->dialogs.critical.front().second, QStringLiteral("Внимание"));
    QVERIFY(!f->RotorsInstalled());
    QCOMPARE(f->StatusBar1->PanelText(1), panel);
    QVERIFY(!f->SSCommand9->isVisible() && !f->SSCommand7->isVisible());
    for (std::int16_t k = 1; k <= 5; ++k) {
        QVERIFY(world->machine.Bank().Slot(k).Empty());
        QCOMPARE(f->List2[std::size_t(k - 1)]->Lines(), QStringList(23, BlankLine));
    }
}

void Form1Test::secondClickDuringInstallation_data()
{
    QTest::addColumn<int>("slot");  // the click comes while this slot is set; 0: while the catalogue is rebuilt

    QTest::newRow("during the catalogue rebuild") << 0;
    QTest::newRow("while slot 3 is set") << 3;
    QTest::newRow("while slot 5 is set") << 5;
}

void Form1Test::secondClickDuringInstallation()
{
    QFETCH(int, slot);

    SetFields("31415", "Пи-3.");
    const auto setting = [&] { return slot == 0 || f->List2[std::size_t(slot - 1)]->Lines().isEmpty(); };
    QVERIFY(RunDuring(setting, [&] { f->SSCommand10->click(); },
                      [&] { QTest::mouseClick(f->SSCommand10, Qt::LeftButton); }));
    CheckInstalled("31415", "Пи-3.");
}

void Form1Test::exitDuringInstallation_data()
{
    QTest::addColumn<int>("slot");  // the program is ended while this slot is set; 0: while the catalogue is rebuilt
    QTest::addColumn<bool>("close");  // by closing the window rather than by "Выход"

    QTest::newRow("Выход during the catalogue rebuild") << 0 << false;
    QTest::newRow("Выход while slot 3 is set") << 3 << false;
    QTest::newRow("window closed while slot 3 is set") << 3 << true;
}

void Form1Test::exitDuringInstallation()
{
    QFETCH(int, slot);
    QFETCH(bool, close);

    SetFields("31415", "Пи-3.");
    const auto setting = [&] { return slot == 0 || f->List2[std::size_t(slot - 1)]->Lines().isEmpty(); };
    QElapsedTimer clock;
    clock.start();
    // As in the program, the click runs inside the application's event loop, which ends with the window.
    const auto click = [&] {
        QTimer::singleShot(0, f, [&] {
            QTest::mouseClick(f->SSCommand10, Qt::LeftButton);
            QCoreApplication::exit(0);
        });
        QApplication::exec();
    };
    QVERIFY(RunDuring(setting, [&] { close ? void(f->close()) : f->Exit(); }, click));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!f->isVisible());
    QVERIFY(!f->RotorsInstalled());
    QVERIFY(f->StatusBar1->PanelText(1) != Installed);
    // No slot after the one being set was touched.
    for (int k = std::max(slot, 0) + 1; k <= 5; ++k)
        QVERIFY2(world->machine.Bank().Slot(std::int16_t(k)).Empty(), qPrintable(QString::number(k)));
}

// ---- The timer, the locked state and the rotor panel switch ------------------------------------------

void Form1Test::timerRule_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("cipher");
    QTest::addColumn<bool>("encrypt");
    QTest::addColumn<bool>("decrypt");

    for (const bool installed : {false, true}) {
        for (const bool plain : {false, true}) {
            for (const bool cipher : {false, true}) {
                QTest::addRow("%s, plain %s, cipher %s", installed ? "installed" : "not installed",
                              plain ? "text" : "empty", cipher ? "text" : "empty")
                    << installed << (plain ? "Текст" : "") << (cipher ? "Шифр" : "") << (installed && plain)
                    << (installed && cipher);
            }
        }
    }
    QTest::newRow("installed, lone space in each") << true << " " << " " << true << true;
    QTest::newRow("installed, lone line break in each") << true << "\r\n" << "\r\n" << true << true;
    QTest::newRow("not installed, lone space in each") << false << " " << " " << false << false;
}

void Form1Test::timerRule()
{
    QFETCH(bool, installed);
    QFETCH(QString, plain);
    QFETCH(QString, cipher);
    QFETCH(bool, encrypt);
    QFETCH(bool, decrypt);

    if (installed)
        Install("01234", "abcde");
    f->Timer1->stop();
    f->RichTextBox2->SetText(plain);
    f->RichTextBox1->SetText(cipher);
    // Start from the opposite state, so that the tick must set both.
    f->SSCommand9->setVisible(!encrypt);
    f->SSCommand7->setVisible(!decrypt);
    Tick();
    QCOMPARE(f->SSCommand9->isVisible(), encrypt);
    QCOMPARE(f->SSCommand7->isVisible(), decrypt);
}

void Form1Test::lockedDuringRun_data()
{
    QTest::addColumn<QString>("calls");  // b: bloc, r: Rebloc
    QTest::addColumn<bool>("locked");

    QTest::newRow("bloc") << "b" << true;
    QTest::newRow("Rebloc after bloc") << "br" << false;
    QTest::newRow("Rebloc twice after bloc twice") << "bbrr" << false;
    QTest::newRow("Rebloc alone") << "r" << false;
}

void Form1Test::lockedDuringRun()
{
    QFETCH(QString, calls);
    QFETCH(bool, locked);

    for (const QChar call : calls)
        call == u'b' ? f->bloc() : f->Rebloc();
    for (QWidget* button : {static_cast<QWidget*>(f->SSCommand2), static_cast<QWidget*>(f->SSCommand4),
                            static_cast<QWidget*>(f->SSCommand5), static_cast<QWidget*>(f->SSCommand1)})
        QVERIFY2(button->isVisible() == !locked, qPrintable(button->objectName()));
    QVERIFY(f->SSCommand3->isVisible() && f->SSCommand6->isVisible() && f->SSCommand8->isVisible());
    QCOMPARE(f->SSPanel1->isEnabled(), !locked);
    // The fields are inert with their panel; their own enabled flags are not touched.
    QCOMPARE(f->Text4->isEnabled(), !locked);
    QVERIFY(f->Text4->isEnabledTo(f->SSPanel1) && f->Text5->isEnabledTo(f->SSPanel1));
    QVERIFY(f->vbnAction->isEnabled() && f->menuBar()->isEnabled());
}

void Form1Test::rotorPanelSwitch_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("width");  // pixels; 0 for the window as designed

    for (const char* route : {"command", "menu", "button", "F8"}) {
        QTest::addRow("%s", route) << route << 0;
        QTest::addRow("%s at another width", route) << route << 600;
    }
}

// Wide (11400 twips, checked) and narrow (8220, unchecked) alternate; any other width stays as it is.
void Form1Test::rotorPanelSwitch()
{
    QFETCH(QString, route);
    QFETCH(int, width);

    QVERIFY(f->vbnAction->isCheckable());
    QVERIFY(f->vbnAction->isChecked());
    if (width != 0) {
        f->setFixedWidth(width);
        SwitchRotorPanel(route);
        QCOMPARE(f->width(), width);
        QVERIFY(f->vbnAction->isChecked());
        return;
    }
    SwitchRotorPanel(route);
    QCOMPARE(f->WidthTwips(), 8220);
    QCOMPARE(f->width(), Pixels(8220 - 90));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QVERIFY(!f->vbnAction->isChecked());
    QVERIFY(f->SSPanel1->x() >= f->centralWidget()->width());

    SwitchRotorPanel(route);
    QCOMPARE(f->WidthTwips(), 11400);
    QCOMPARE(f->width(), Pixels(11400 - 90));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QVERIFY(f->vbnAction->isChecked());
    QVERIFY(f->SSPanel1->x() < f->centralWidget()->width());
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
