// SPDX-License-Identifier: GPL-3.0-or-later
// The menu " Обучение ": the slow speeds, the pause and single steps, a speed changed in the middle of a
// run, and the path window against the machine. The run's time comes from a clock the test drives, so
// nothing here waits for real time to pass.

#include "installation/RotorWindows.h"
#include "main_window/EventLoopClock.h"
#include "main_window/RotorWindow.h"
#include "main_window/RunClock.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "main_window/ThreeDPanel.h"
#include "path_window/PathSnapshot.h"
#include "path_window/SymbolPathView.h"
#include "path_window/SymbolPathWindow.h"
#include "tests/main_window/ScriptedClock.h"
#include "tests/main_window/WindowFixture.h"
#include "tests/support/HeadlessWindow.h"

#include "machine/Alphabet.h"

#include <QAccessible>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

using namespace velista;
using namespace velista::test;

namespace {

// What the machine does with the text symbol by symbol: each position's path, the result, and the top
// lines of the rotor windows after each step.
struct Reference {
    Reference(const QString& text, const QString& rotors, const QString& key, bool decrypt)
    {
        HeadlessWindow window(rotors.toStdU16String(), key.toStdU16String());
        CipherMachine machine(window);
        if (!machine.InstallRotors(window))
            return;
        RotorBank& bank = machine.Bank();
        for (const QChar c : text) {
            const Symbol s = c.unicode();
            if (Alphabet::Machine().Contains(s)) {
                paths.push_back(bank.Path(s, decrypt ? CipherDirection::Decipher : CipherDirection::Encipher));
                result += QChar(decrypt ? bank.DecipherSymbol(s) : bank.EncipherSymbol(s));
            } else {
                paths.push_back(std::nullopt);
                result += c;
            }
            Usl_Procr(bank, window);
            QStringList lines;
            for (int i = 0; i < 5; ++i)
                lines << QString::fromStdU16String(window.RotorWindowTopLine(i).value_or(u""));
            topLines.push_back(lines);
        }
    }

    QString result;
    std::vector<std::optional<SymbolPath>> paths;
    std::vector<QStringList> topLines;
};

// The path window's table as one text, and what it must read for a path (or a character without one).
QString TableText(const SymbolPathWindow* window)
{
    QStringList rows;
    for (int row = 0; row < 4; ++row) {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << window->HopTable->item(row, column)->text();
        rows << cells.join('|');
    }
    return rows.join('/');
}

// A symbol as the table writes it: a space as an open box, a Latin letter marked.
QString Cell(Symbol symbol)
{
    if (symbol == u' ')
        return QStringLiteral("␣");
    const bool latin = (symbol >= u'A' && symbol <= u'Z') || (symbol >= u'a' && symbol <= u'z');
    return QString(QChar(symbol)) + (latin ? QStringLiteral(" lat") : QString());
}

// One row a hop: from which slot to which, the symbol entering, its position, the symbol reached.
QString TableOf(const std::optional<SymbolPath>& path, bool decrypt = false)
{
    QStringList rows;
    Symbol entering = path ? path->input : NoSymbol;
    for (int hop = 0; hop < 4; ++hop) {
        const int from = decrypt ? 5 - hop : hop + 1;
        const QString step = QStringLiteral("%1 → %2").arg(from).arg(decrypt ? from - 1 : from + 1);
        if (!path) {
            rows << step + QStringLiteral("|—|—|—");
            continue;
        }
        const SymbolHop& made = path->hops[std::size_t(hop)];
        rows << QStringLiteral("%1|%2|%3|%4").arg(step, Cell(entering)).arg(made.position).arg(Cell(made.reached));
        entering = made.reached;
    }
    return rows.join('/');
}

QString LongText()
{
    return QStringLiteral("Машина Велиста: (5 роторов) [пример], A-z. Ёж!\r\n").repeated(100);
}

}  // namespace

class TeachingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void teachingMenu_data();
    void teachingMenu();
    void slowSpeedShowsEveryPosition_data();
    void slowSpeedShowsEveryPosition();
    void pauseAndStep_data();
    void pauseAndStep();
    void speedChangedMidRun_data();
    void speedChangedMidRun();
    void pausedWindowAnswers_data();
    void pausedWindowAnswers();
    void commandTakingTheAreaEndsTheRun_data();
    void commandTakingTheAreaEndsTheRun();
    void pausedRunSaysSo_data();
    void pausedRunSaysSo();
    void stepWithNoRunStartsOne_data();
    void stepWithNoRunStartsOne();
    void pathTableEqualsPathQuery_data();
    void pathTableEqualsPathQuery();
    void stepBack_data();
    void stepBack();

private:
    void Install(const QString& rotors, const QString& key) { QVERIFY(w->Install(rotors, key)); }
    RichTextBox* Working(bool decrypt) const
    {
        return decrypt ? Control<RichTextBox>(*f, "RichTextBox2") : Control<RichTextBox>(*f, "RichTextBox1");
    }
    void Run(bool decrypt) { decrypt ? f->DecryptCipherText() : f->EncryptPlainText(); }
    // The text goes into the source area of the run.
    void SetSource(bool decrypt, const QString& text)
    {
        (decrypt ? Control<RichTextBox>(*f, "RichTextBox1") : Control<RichTextBox>(*f, "RichTextBox2"))->SetText(text);
    }

    std::unique_ptr<WindowFixture> w;
    Form1* f = nullptr;
    ScriptedClock clock;
};

void TeachingTest::init()
{
    w = std::make_unique<WindowFixture>();
    f = &w->form;
    clock = ScriptedClock();
    clock.escape = [this] {
        if (f->Paused())
            f->TogglePause();
    };
    f->SetRunClock(clock);
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void TeachingTest::cleanup()
{
    f = nullptr;
    w.reset();
}

void TeachingTest::teachingMenu_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("speed");

    QTest::newRow("Ctrl+1: 1 символ в секунду") << QKeySequence(Qt::CTRL | Qt::Key_1) << int(RunSpeed::OnePerSecond);
    QTest::newRow("Ctrl+2: 10 символов в секунду") << QKeySequence(Qt::CTRL | Qt::Key_2) << int(RunSpeed::TenPerSecond);
    QTest::newRow("Ctrl+4: Без задержек") << QKeySequence(Qt::CTRL | Qt::Key_4) << int(RunSpeed::NoDelay);
    QTest::newRow("Ctrl+3: Обычная скорость") << QKeySequence(Qt::CTRL | Qt::Key_3) << int(RunSpeed::Normal);
}

// The menu starts at today's pacing and its shortcuts choose one speed at a time; the entries of a run
// and the analysis are off while no run goes.
void TeachingTest::teachingMenu()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, speed);

    QCOMPARE(f->Speed(), RunSpeed::Normal);
    QVERIFY(Control<QAction>(*f, "normalSpeedAction")->isChecked());
    QVERIFY(!Control<QAction>(*f, "pauseAction")->isEnabled() && !Control<QAction>(*f, "stepAction")->isEnabled());
    QVERIFY(f->CryptanalysisAction()->isEnabled());  // the analysis window is there to open

    if (speed == int(RunSpeed::Normal))
        f->SetSpeed(RunSpeed::NoDelay);
    QTest::keySequence(f, keys);
    QCOMPARE(int(f->Speed()), speed);
    int checked = 0;
    for (QAction* action : Control<QActionGroup>(*f, "speedGroup")->actions())
        checked += action->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
    QCOMPARE(Control<QActionGroup>(*f, "speedGroup")->checkedAction()->shortcut(), keys);
}

void TeachingTest::slowSpeedShowsEveryPosition_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("period");
    QTest::addColumn<bool>("decrypt");

    QTest::newRow("1 символ в секунду") << int(RunSpeed::OnePerSecond) << 1000 << false;
    QTest::newRow("10 символов в секунду") << int(RunSpeed::TenPerSecond) << 100 << false;
    QTest::newRow("10 символов в секунду, дешифрация") << int(RunSpeed::TenPerSecond) << 100 << true;
}

// One position a period: at the end of each, the working area selects the position just made, the rotor
// windows show the bank after its step, and the path window shows that position's path.
void TeachingTest::slowSpeedShowsEveryPosition()
{
    QFETCH(int, speed);
    QFETCH(int, period);
    QFETCH(bool, decrypt);

    const QString text = QStringLiteral("Привет, мир!\r\nЁж (z)");
    Install("73915", "Ключ1");
    SetSource(decrypt, text);
    f->SetSpeed(RunSpeed(speed));
    f->ShowPathWindow();
    const Reference expected(text, "73915", "Ключ1", decrypt);
    int frame = 0;
    clock.onWait = [&](qint64 deadline) {
        QCOMPARE(deadline, qint64(frame + 1) * period);
        QCOMPARE(Working(decrypt)->SelStart(), frame);
        QCOMPARE(Working(decrypt)->SelLength(), 1);
        QStringList lines;
        for (RotorWindow* window : RotorWindows(*f))
            lines << window->Lines().value(0);
        QCOMPARE(lines, expected.topLines.at(std::size_t(frame)));
        QCOMPARE(TableText(f->PathWindow()), TableOf(expected.paths.at(std::size_t(frame)), decrypt));
        QVERIFY(f->PathWindow()->Caption->text().contains(QStringLiteral("позиция %1:").arg(frame)));
        ++frame;
    };
    Run(decrypt);
    QCOMPARE(frame, text.size());
    QCOMPARE(clock.now, qint64(text.size()) * period);
    QCOMPARE(Working(decrypt)->Text(), expected.result);
}

void TeachingTest::pauseAndStep_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("pauseAt");  // the selected position at which the pause is asked for
    QTest::addColumn<bool>("byStep");   // F6 rather than F5 pauses the run
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("keys");     // F5 and F6 rather than the commands

    QTest::newRow("1 символ в секунду: pause, three steps, resume") << int(RunSpeed::OnePerSecond) << 4 << false << 3
                                                                     << false;
    QTest::newRow("10 символов в секунду: F5, F6 twice, F5") << int(RunSpeed::TenPerSecond) << 2 << false << 2 << true;
    QTest::newRow("a step pauses a running run") << int(RunSpeed::TenPerSecond) << 5 << true << 2 << false;
    QTest::newRow("Обычная скорость: pause between slices, steps") << int(RunSpeed::Normal) << 3 << false << 3 << true;
    QTest::newRow("Без задержек: pause after a slice, steps") << int(RunSpeed::NoDelay) << 0 << false << 4 << false;
    QTest::newRow("pause, resume at once") << int(RunSpeed::OnePerSecond) << 7 << false << 0 << false;
}

// A pause stops the run between two positions; each step makes exactly one position and stays paused;
// resuming finishes the run with the machine's result.
void TeachingTest::pauseAndStep()
{
    QFETCH(int, speed);
    QFETCH(int, pauseAt);
    QFETCH(bool, byStep);
    QFETCH(int, steps);
    QFETCH(bool, keys);

    // Without delays a first slice holds 2,048 positions: the text must be longer for a pause to fall in it.
    const QString text = speed == int(RunSpeed::NoDelay) ? LongText() : LongText().left(300);
    Install("01234", "Ключ1");
    SetSource(false, text);
    f->SetSpeed(RunSpeed(speed));
    f->ShowPathWindow();
    RichTextBox* working = Working(false);
    const Reference expected(text, "01234", "Ключ1", false);
    // The keys work in whichever of the two windows is active; here the path window is.
    const auto press = [&](bool pause) {
        if (keys)
            QTest::keyClick(QApplication::activeWindow(), pause ? Qt::Key_F5 : Qt::Key_F6);
        else
            pause ? f->TogglePause() : f->Step();
    };
    bool asked = false;
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, [&] {
        if (asked || Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled() || working->SelLength() != 1 ||
            working->SelStart() < pauseAt)
            return;
        asked = true;
        press(!byStep);
    });
    watch.start();
    std::vector<int> pausedAt;  // the selected position at each pause wait where it moved
    bool resumed = false;
    clock.onWait = [&](qint64 deadline) {
        if (deadline != RunClock::NoDeadline || resumed)
            return;
        const int at = working->SelStart();
        QVERIFY(f->Paused());
        QCOMPARE(Control<QAction>(*f, "pauseAction")->text(), QStringLiteral("Продолжить"));
        QCOMPARE(TableText(f->PathWindow()), TableOf(expected.paths.at(std::size_t(at))));
        pausedAt.push_back(at);
        if (int(pausedAt.size()) <= steps) {
            press(false);
        } else {
            resumed = true;
            press(true);
        }
    };
    Run(false);
    watch.stop();

    QCOMPARE(int(pausedAt.size()), steps + 1);
    if (speed != int(RunSpeed::NoDelay) && speed != int(RunSpeed::Normal))
        QCOMPARE(pausedAt.front(), pauseAt + (byStep ? 1 : 0));
    for (std::size_t i = 1; i < pausedAt.size(); ++i)
        QCOMPARE(pausedAt[i], pausedAt[i - 1] + 1);
    QCOMPARE(working->Text(), expected.result);
    QVERIFY(!f->Paused() && !Control<QAction>(*f, "pauseAction")->isEnabled() &&
            !Control<QAction>(*f, "stepAction")->isEnabled());
    QCOMPARE(Control<QAction>(*f, "pauseAction")->text(), QStringLiteral("Пауза"));
}

void TeachingTest::speedChangedMidRun_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("decrypt");

    QTest::newRow("1 символ в секунду, then Без задержек") << int(RunSpeed::OnePerSecond) << int(RunSpeed::NoDelay)
                                                           << false;
    QTest::newRow("1 символ в секунду, then 10") << int(RunSpeed::OnePerSecond) << int(RunSpeed::TenPerSecond) << true;
    QTest::newRow("Обычная скорость, then 1 символ в секунду")
        << int(RunSpeed::Normal) << int(RunSpeed::OnePerSecond) << false;
    QTest::newRow("Без задержек, then 10 символов в секунду")
        << int(RunSpeed::NoDelay) << int(RunSpeed::TenPerSecond) << true;
    QTest::newRow("10 символов в секунду, then Обычная скорость")
        << int(RunSpeed::TenPerSecond) << int(RunSpeed::Normal) << false;
}

// The new speed holds from the wait it was chosen in: that wait ends at once, and the result is the
// machine's whatever the speeds.
void TeachingTest::speedChangedMidRun()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, decrypt);

    // Every position after the change is a paced wait, each with its repaint, which is what this test
    // spends its time on: 300 positions give hundreds of waits after the change, and a run that starts
    // without delays needs only a little more than its first slice of 2,048 positions.
    const QString text = LongText().left(from == int(RunSpeed::NoDelay) ? 2400 : 300);
    Install("98765", "Zz09я");
    SetSource(decrypt, text);
    f->SetSpeed(RunSpeed(from));
    RichTextBox* working = Working(decrypt);
    const auto periodOf = [](int speed) {
        return speed == int(RunSpeed::OnePerSecond) ? 1000 : speed == int(RunSpeed::TenPerSecond) ? 100 : 0;
    };
    bool changed = false;
    qint64 changedAt = -1;
    std::vector<std::pair<qint64, int>> afterChange;  // (deadline, selected position) of later waits
    const auto change = [&] {
        changed = true;
        changedAt = clock.now;
        f->SetSpeed(RunSpeed(to));
    };
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, [&] {
        if (!changed && !Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled() && working->SelLength() == 1 &&
            working->SelStart() >= 3 && periodOf(from) == 0)
            change();
    });
    watch.start();
    clock.onWait = [&](qint64 deadline) {
        if (changed) {
            afterChange.emplace_back(deadline, working->SelStart());
            return;
        }
        if (working->SelStart() >= 3)
            change();
    };
    Run(decrypt);
    watch.stop();

    QVERIFY(changed);
    QCOMPARE(working->Text(), Reference(text, "98765", "Zz09я", decrypt).result);
    const int period = periodOf(to);
    if (period == 0) {
        // No more waiting once the new speed holds, but for the slow start of today's pacing.
        for (const auto& [deadline, position] : afterChange)
            QVERIFY2(deadline - changedAt <= 16 * 40, qPrintable(QString::number(deadline)));
        if (to == int(RunSpeed::NoDelay))
            QVERIFY(afterChange.empty());
        return;
    }
    // The wait the speed was chosen in ended without its time passing; each later wait is one period
    // after the one before, one position on.
    QVERIFY(afterChange.size() > 10);
    for (std::size_t i = 1; i < afterChange.size(); ++i) {
        QCOMPARE(afterChange[i].first - afterChange[i - 1].first, qint64(period));
        QCOMPARE(afterChange[i].second, afterChange[i - 1].second + 1);
    }
    QVERIFY(afterChange.front().first <= changedAt + period);
}

void TeachingTest::pausedWindowAnswers_data()
{
    QTest::addColumn<QString>("action");

    QTest::newRow("Shift+F3 empties the ciphertext and ends the run") << "new";
    QTest::newRow("Выход ends the paused run at once") << "exit";
    QTest::newRow("closing the window ends the paused run") << "close";
    // The path window is a child window, which Qt leaves open when its parent closes.
    QTest::newRow("closing the window with the path window open") << "close with path";
}

// While paused the window works as during a run, with the program's own clock: a pause that waits without
// end still ends with the program.
void TeachingTest::pausedWindowAnswers()
{
    QFETCH(QString, action);

    EventLoopClock programClock;
    f->SetRunClock(programClock);
    Install("73915", "Ключ1");
    SetSource(false, LongText());
    f->SetSpeed(RunSpeed::TenPerSecond);
    if (action == "close with path")
        f->ShowPathWindow();
    bool acted = false;
    // A run that the action failed to end goes on after a while, so that the rows below can fail.
    QTimer::singleShot(5000, f, [this] {
        f->SetSpeed(RunSpeed::NoDelay);
        if (f->Paused())
            f->TogglePause();
    });
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, [&] {
        if (Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled() ||
            Control<RichTextBox>(*f, "RichTextBox1")->SelLength() != 1)
            return;
        if (!f->Paused() && !acted) {
            QTest::keyClick(f, Qt::Key_F5);
            return;
        }
        if (acted || !f->Paused())
            return;
        acted = true;
        QVERIFY(Control<ThreeDButton>(*f, "SSCommand9")->isHidden() &&
                Control<ThreeDButton>(*f, "SSCommand2")->isHidden() &&
                !Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled());
        if (action == "new") {
            QTest::keySequence(f, QKeySequence(Qt::SHIFT | Qt::Key_F3));
            QVERIFY(Control<RichTextBox>(*f, "RichTextBox1")->IsEmpty());
            QTest::keyClick(f, Qt::Key_F5);
        } else if (action == "exit") {
            f->Exit();
        } else {
            f->close();
        }
    });
    watch.start();
    QTimer::singleShot(0, f, [&] {
        f->EncryptPlainText();
        QCoreApplication::exit(0);
    });
    QApplication::exec();
    watch.stop();
    f->SetRunClock(clock);

    QVERIFY(acted);
    if (action == "new") {
        QVERIFY(Control<RichTextBox>(*f, "RichTextBox1")->IsEmpty());
        QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), QStringLiteral("Шифрование прервано"));
        QVERIFY(Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled());
    } else {
        QVERIFY(!f->isVisible());
        QVERIFY(!f->PathWindow() || !f->PathWindow()->isVisible());
        // The run ended where it stood, not at the text's end.
        QVERIFY(Control<StatusBar>(*f, "StatusBar1")->PanelText(2) != QStringLiteral("Шифрование выполнено"));
    }
}

void TeachingTest::commandTakingTheAreaEndsTheRun_data()
{
    QTest::addColumn<QKeySequence>("command");
    QTest::addColumn<bool>("decrypt");
    QTest::addColumn<QString>("state");  // what the run does when the command comes
    QTest::addColumn<bool>("ends");

    struct Command {
        const char* name;
        QKeySequence keys;
        bool cipherArea;  // the area it clears or fills
        bool opens;       // opening a text empties both areas first
    };
    const Command commands[] = {
        {"Shift+F3 Новый шифротекст", QKeySequence(Qt::SHIFT | Qt::Key_F3), true, false},
        {"Shift+F4 Открыть шифротекст", QKeySequence(Qt::SHIFT | Qt::Key_F4), true, true},
        {"Ctrl+F3 Новый текст", QKeySequence(Qt::CTRL | Qt::Key_F3), false, false},
        {"Ctrl+F4 Открыть текст", QKeySequence(Qt::CTRL | Qt::Key_F4), false, true},
    };
    for (const Command& command : commands) {
        for (const bool decrypt : {false, true}) {
            // The run writes the ciphertext area when it encrypts, the plain-text area when it decrypts.
            const bool ends = command.opens || command.cipherArea != decrypt;
            for (const char* state : {"running", "paused", "stepping"})
                QTest::newRow(qPrintable(QStringLiteral("%1 during %2 %3, %4")
                                             .arg(QString::fromUtf8(command.name), decrypt ? "decryption" : "encryption",
                                                  state, ends ? "ends it" : "the run goes on")))
                    << command.keys << decrypt << QString::fromLatin1(state) << ends;
        }
    }
}

// A command that clears or fills the area a run writes ends the run first, whatever it was doing: the
// new or opened text stands as it is, the bank is back at the key, and the status does not call the run
// done. A command on the run's source only lets the run finish its result.
void TeachingTest::commandTakingTheAreaEndsTheRun()
{
    QFETCH(QKeySequence, command);
    QFETCH(bool, decrypt);
    QFETCH(QString, state);
    QFETCH(bool, ends);

    QTemporaryDir dir;
    const QString path = dir.filePath(decrypt ? "opened.txt" : "opened.vls");
    const QString opened = QStringLiteral("ФАЙЛ: открытый текст\r\nвторая строка");
    QVERIFY(WriteBytes(path, Cp1251(opened)));
    w->dialogs.chosenFile = path;

    const QString text = LongText().left(200);
    Install("73915", "Ключ1");
    QStringList atKey;
    for (RotorWindow* window : RotorWindows(*f))
        atKey << window->Lines().value(0);
    SetSource(decrypt, text);
    f->SetSpeed(RunSpeed::TenPerSecond);
    RichTextBox* working = Working(decrypt);
    bool acted = false;
    bool pauseAsked = false;
    const auto act = [&] {
        acted = true;
        QTest::keySequence(f, command);
    };
    clock.onWait = [&](qint64 deadline) {
        if (!acted && working->SelStart() < 4)
            return;
        if (deadline != RunClock::NoDeadline) {
            if (acted)
                return;
            if (state == "running")
                act();
            else if (!pauseAsked) {
                pauseAsked = true;
                QTest::keyClick(f, Qt::Key_F5);
            }
            return;
        }
        if (acted) {
            QTest::keyClick(f, Qt::Key_F5);  // a run that goes on is resumed
            return;
        }
        if (state == "stepping")
            QTest::keyClick(f, Qt::Key_F6);  // the step is asked for but not yet made
        act();
    };
    Run(decrypt);

    QVERIFY(acted);
    const bool cipherArea = command[0].keyboardModifiers() == Qt::ShiftModifier;
    const bool opens = command[0].key() == Qt::Key_F4;
    RichTextBox* area =
        cipherArea ? Control<RichTextBox>(*f, "RichTextBox1") : Control<RichTextBox>(*f, "RichTextBox2");
    RichTextBox* other =
        cipherArea ? Control<RichTextBox>(*f, "RichTextBox2") : Control<RichTextBox>(*f, "RichTextBox1");
    const QString result = Reference(text, "73915", "Ключ1", decrypt).result;
    QCOMPARE(area->Text(), opens ? opened : QString());
    QCOMPARE(other->Text(), opens ? QString() : other == working ? result : text);
    const QString done = decrypt ? QStringLiteral("Дешифрование  выполнено.") : QStringLiteral("Шифрование выполнено");
    const QString ended = decrypt ? QStringLiteral("Дешифрование прервано") : QStringLiteral("Шифрование прервано");
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), ends ? ended : done);
    QStringList lines;
    for (RotorWindow* window : RotorWindows(*f))
        lines << window->Lines().value(0);
    QCOMPARE(lines, atKey);
    QVERIFY(!f->Paused() && !Control<QAction>(*f, "pauseAction")->isEnabled() &&
            Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled());
}

void TeachingTest::pausedRunSaysSo_data()
{
    QTest::addColumn<bool>("decrypt");
    QTest::addColumn<bool>("byStep");  // F6 rather than F5 pauses the run

    QTest::newRow("encryption paused with F5") << false << false;
    QTest::newRow("encryption paused by a step") << false << true;
    QTest::newRow("decryption paused with F5") << true << false;
    QTest::newRow("decryption paused by a step") << true << true;
}

// While a run waits the status bar says «Пауза», and status panel 2 describes the run's state for a screen
// reader; going on gives the run's own text back, and the end text follows as usual.
void TeachingTest::pausedRunSaysSo()
{
    QFETCH(bool, decrypt);
    QFETCH(bool, byStep);

    const QString text = LongText().left(120);
    Install("01234", "Ключ1");
    SetSource(decrypt, text);
    f->SetSpeed(RunSpeed::TenPerSecond);
    const QString running = decrypt ? QStringLiteral("Дешифрование шифротекста") : QStringLiteral("Шифрование открытого текста");
    const QString direction = decrypt ? QStringLiteral("дешифрование") : QStringLiteral("шифрование");
    RichTextBox* working = Working(decrypt);
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(Control<StatusBar>(*f, "StatusBar1")->Panel(2));
    QVERIFY(panel);
    bool paused = false;
    bool resumed = false;
    QStringList afterResume;
    clock.onWait = [&](qint64 deadline) {
        if (deadline == RunClock::NoDeadline) {
            QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), QStringLiteral("Пауза"));
            QCOMPARE(panel->text(QAccessible::Description),
                     QStringLiteral("%1, позиция %2 из %3, пауза").arg(direction).arg(working->SelStart() + 1).arg(text.size()));
            resumed = true;
            QTest::keyClick(f, Qt::Key_F5);
            return;
        }
        if (resumed) {
            afterResume << Control<StatusBar>(*f, "StatusBar1")->PanelText(2);
            return;
        }
        QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), running);
        if (!paused && working->SelStart() >= 5) {
            paused = true;
            QTest::keyClick(f, byStep ? Qt::Key_F6 : Qt::Key_F5);
        }
    };
    Run(decrypt);

    QVERIFY(resumed);
    QVERIFY(!afterResume.isEmpty());
    QCOMPARE(afterResume.front(), running);
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2),
             decrypt ? QStringLiteral("Дешифрование  выполнено.") : QStringLiteral("Шифрование выполнено"));
    QCOMPARE(panel->text(QAccessible::Description), QString());
}

void TeachingTest::stepWithNoRunStartsOne_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("cipher");
    QTest::addColumn<int>("starts");  // 0 nothing, 1 an encryption, 2 a decryption

    const QString text = QStringLiteral("Привет, Ёж!");
    QTest::newRow("only the encryption offered") << true << text << QString() << 1;
    QTest::newRow("both offered: the encryption") << true << text << QStringLiteral("шифр") << 1;
    QTest::newRow("only the decryption offered") << true << QString() << text << 2;
    QTest::newRow("rotors not installed: nothing") << false << text << text << 0;
    QTest::newRow("both areas empty: nothing") << true << QString() << QString() << 0;
}

// F6 with no run going starts the run that the visible run button offers and makes exactly one position,
// paused; the focus stays on a control that can take it.
void TeachingTest::stepWithNoRunStartsOne()
{
    QFETCH(bool, installed);
    QFETCH(QString, plain);
    QFETCH(QString, cipher);
    QFETCH(int, starts);

    if (installed)
        Install("73915", "Ключ1");
    Control<RichTextBox>(*f, "RichTextBox2")->SetText(plain);
    Control<RichTextBox>(*f, "RichTextBox1")->SetText(cipher);
    w->Tick();
    QCOMPARE(Control<QAction>(*f, "stepAction")->isEnabled(), starts != 0);
    const bool decrypt = starts == 2;
    RichTextBox* working = Working(decrypt);
    const QString source = decrypt ? cipher : plain;
    int waits = 0;
    clock.onWait = [&](qint64 deadline) {
        ++waits;
        QCOMPARE(deadline, RunClock::NoDeadline);  // no frame before the pause
        QVERIFY(f->Paused());
        QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), QStringLiteral("Пауза"));
        QCOMPARE(working->SelStart(), 0);
        QCOMPARE(working->SelLength(), 1);
        const QString result = Reference(source, "73915", "Ключ1", decrypt).result;
        QCOMPARE(working->Text(), result.left(1) + source.mid(1));
        QWidget* focus = f->focusWidget();
        QVERIFY(focus && focus->isVisibleTo(f) && focus->isEnabled());
        f->Exit();  // ends the paused run where it stands
    };
    QTest::keyClick(f, Qt::Key_F6);
    QCOMPARE(waits, starts != 0 ? 1 : 0);
    if (starts == 0) {
        QCOMPARE(Control<RichTextBox>(*f, "RichTextBox2")->Text(), plain);
        QCOMPARE(Control<RichTextBox>(*f, "RichTextBox1")->Text(), cipher);
    }
}

void TeachingTest::pathTableEqualsPathQuery_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 6; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("random bank %1").arg(seed))) << seed;
}

// With no run going, a typed symbol's table is the machine's path query for the bank as it stands, in
// both directions; the drawing has the bank's counters and the turns from the key; the bank does not move.
void TeachingTest::pathTableEqualsPathQuery()
{
    QFETCH(unsigned, seed);

    std::mt19937 random(seed);
    const std::u16string_view alphabet = Alphabet::Machine().Text();
    QString rotors;
    QString key;
    for (int k = 0; k < 5; ++k) {
        rotors += QChar(u'0' + char16_t(random() % 10));
        key += QChar(alphabet[random() % alphabet.size()]);
    }
    Install(rotors, key);
    RotorBank& bank = w->machine.Bank();
    bank.Advance(std::int64_t(random() % 3'000'000));
    f->ShowPathWindow();
    SymbolPathWindow* window = f->PathWindow();
    QVERIFY(window->isVisible());
    std::array<std::int16_t, 5> counters{};
    for (std::int16_t k = 1; k <= 5; ++k)
        counters[std::size_t(k - 1)] = bank.StepCounter(k);

    for (int i = 0; i < 40; ++i) {
        const bool decipher = i % 2 == 1;
        const QChar typed = i % 10 == 9 ? QChar(u'Ё') : QChar(alphabet[random() % alphabet.size()]);
        window->DecipherBox->setChecked(decipher);
        window->SymbolField->setText(typed);
        const bool inAlphabet = Alphabet::Machine().Contains(typed.unicode());
        const std::optional<SymbolPath> path =
            inAlphabet ? std::optional(bank.Path(typed.unicode(),
                                                 decipher ? CipherDirection::Decipher : CipherDirection::Encipher))
                       : std::nullopt;
        QCOMPARE(TableText(window), TableOf(path, decipher));
        const PathSnapshot& shot = window->PathView->Snapshot().value();
        QCOMPARE(shot.counters, counters);
        // Stepped from the key only, each slot has turned from it as often as its counter says.
        QCOMPARE(shot.turnsFromKey, counters);
        if (path)
            QCOMPARE(shot.path.output, path->output);
    }
    for (std::int16_t k = 1; k <= 5; ++k)
        QCOMPARE(bank.StepCounter(k), counters[std::size_t(k - 1)]);

    // A changed field: the bank no longer matches it, and the next tick says so.
    Control<FilteredField>(*f, "Text5")->setText(key.left(4));
    w->Tick();
    QCOMPARE(TableText(window), QStringLiteral("|||/|||/|||/|||"));
    QVERIFY(window->Caption->text().startsWith(QStringLiteral("Роторы не установлены")));
}

void TeachingTest::stepBack_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("pauseAt");  // the selected position at which the pause is asked for
    QTest::addColumn<int>("back");     // steps back asked for
    QTest::addColumn<bool>("decrypt");

    // Position 135 is the first made after slot 2 turned: taken back, slot 2 stands as before the carry.
    QTest::newRow("over the slot-2 carry") << int(RunSpeed::TenPerSecond) << 137 << 5 << false;
    QTest::newRow("over the slot-2 carry, decryption") << int(RunSpeed::OnePerSecond) << 136 << 3 << true;
    QTest::newRow("back to the run's start, then refused") << int(RunSpeed::TenPerSecond) << 2 << 5 << false;
    QTest::newRow("inside one long slice without delays") << int(RunSpeed::NoDelay) << 0 << 4 << false;
}

// Shift+F6 takes back one position at a time, down to the run's start: the area, the rotor windows, the
// counters and the path window read as when the run first stood there; a step back with nothing left beeps.
// Then the run goes on to the machine's result.
void TeachingTest::stepBack()
{
    QFETCH(int, speed);
    QFETCH(int, pauseAt);
    QFETCH(int, back);
    QFETCH(bool, decrypt);

    const QString text = speed == int(RunSpeed::NoDelay) ? LongText() : LongText().left(300);
    Install("01234", "Ключ1");
    QStringList installed;
    for (int i = 0; i < 5; ++i)
        installed << QString::fromStdU16String(w->form.RotorWindowTopLine(i).value_or(u""));
    SetSource(decrypt, text);
    f->SetSpeed(RunSpeed(speed));
    f->ShowPathWindow();
    RichTextBox* working = Working(decrypt);
    const Reference expected(text, "01234", "Ключ1", decrypt);
    bool asked = false;
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, [&] {
        if (asked || Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled() || working->SelLength() != 1 ||
            working->SelStart() < pauseAt)
            return;
        asked = true;
        f->TogglePause();
    });
    watch.start();
    int taken = 0;
    int beepsAtStart = -1;
    int beepsAtResume = -1;
    std::vector<int> stoodAt;
    clock.onWait = [&](qint64 deadline) {
        if (deadline != RunClock::NoDeadline || taken > back)
            return;
        const int made = working->SelLength() == 1 ? working->SelStart() + 1 : 0;
        stoodAt.push_back(made);
        QCOMPARE(working->Text(), expected.result.left(made) + text.mid(made));
        const QStringList top = made == 0 ? installed : expected.topLines.at(std::size_t(made - 1));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(QString::fromStdU16String(w->form.RotorWindowTopLine(i).value_or(u"")), top.at(i));
        QVERIFY(f->RunStateText().contains(QStringLiteral("позиция %1 из").arg(made)));
        if (made > 0)
            QCOMPARE(TableText(f->PathWindow()), TableOf(expected.paths.at(std::size_t(made - 1)), decrypt));
        else
            QCOMPARE(TableText(f->PathWindow()), QStringLiteral("|||/|||/|||/|||"));
        if (made == 0 && beepsAtStart < 0)
            beepsAtStart = w->beeper.beeps;
        if (taken++ < back) {
            QTest::keyClick(QApplication::activeWindow(), Qt::Key_F6, Qt::ShiftModifier);
        } else {
            beepsAtResume = w->beeper.beeps;
            f->TogglePause();
        }
    };
    Run(decrypt);
    watch.stop();

    QCOMPARE(working->Text(), expected.result);
    QVERIFY(stoodAt.size() >= 2);
    for (std::size_t i = 1; i < stoodAt.size(); ++i)
        QCOMPARE(stoodAt[i], std::max(stoodAt[i - 1] - 1, 0));
    if (stoodAt.back() == 0)
        QCOMPARE(beepsAtResume, beepsAtStart + int(std::count(stoodAt.begin(), stoodAt.end(), 0)) - 1);
    QVERIFY(!Control<QAction>(*f, "stepBackAction")->isEnabled());
}

QTEST_MAIN(TeachingTest)
#include "TeachingTest.moc"
