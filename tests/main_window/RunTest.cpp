// SPDX-License-Identifier: GPL-3.0-or-later
// Encryption and decryption runs in the main window: the result against the machine stepped symbol by
// symbol and against the command-line tool, the window's state around a run, the format of the areas,
// and changes made to the texts while a run works.

#include "installation/RotorWindows.h"
#include "main_window/RotorWindow.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "main_window/ThreeDPanel.h"
#include "tests/main_window/WindowFixture.h"
#include "tests/support/BuildPaths.h"
#include "tests/support/HeadlessWindow.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

using namespace velista;
using namespace velista::test;

namespace {

const QString EncryptStart = QStringLiteral("Шифрование открытого текста");
const QString EncryptEnd = QStringLiteral("Шифрование выполнено");
const QString DecryptStart = QStringLiteral("Дешифрование шифротекста");
const QString DecryptEnd = QStringLiteral("Дешифрование  выполнено.");
const QString EncryptEnded = QStringLiteral("Шифрование прервано");
const QString DecryptEnded = QStringLiteral("Дешифрование прервано");

struct NoYield final : EventLoop {
    void Yield() override {}
};

// The machine's 135 symbols, written out here rather than taken from the machine.
bool InAlphabet(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
           (u >= u'А' && u <= u'я') || QStringLiteral(" (),-.:[]").contains(c);
}

// The text as a second machine transforms it one symbol at a time, stepping after every position.
QString SymbolBySymbol(const QString& text, const QString& rotors, const QString& key, bool decrypt, int* outside)
{
    NoYield loop;
    CipherMachine machine(loop);
    HeadlessWindow window(rotors.toStdU16String(), key.toStdU16String());
    if (!machine.InstallRotors(window))
        return QStringLiteral("<not installed>");
    QString result;
    *outside = 0;
    for (const QChar c : text) {
        const RotorBank& bank = machine.Bank();
        if (InAlphabet(c))
            result += QChar(decrypt ? bank.DecipherSymbol(c.unicode()) : bank.EncipherSymbol(c.unicode()));
        else
            result += c;
        *outside += InAlphabet(c) ? 0 : 1;
        Usl_Procr(machine.Bank(), window);
    }
    return result;
}

QString CommandLineTool(const QString& text, const QString& rotors, const QString& key, bool decrypt)
{
    QTemporaryDir dir;
    if (!WriteBytes(dir.filePath("in.txt"), Cp1251(text)))
        return QStringLiteral("<no input file>");
    QProcess tool;
    tool.start(QString::fromUtf8(test::ToolProgram()), {decrypt ? "decrypt" : "encrypt", "--rotors", rotors, "--key", key, "-o",
                                             dir.filePath("out"), dir.filePath("in.txt")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return QStringLiteral("<tool failed: %1>").arg(QString::fromUtf8(tool.readAllStandardError()));
    return QString::fromStdU16String(Windows1251::Decode(ReadBytes(dir.filePath("out")).toStdString()));
}

// Calls each at every pass of the event loop while work runs.
void Watch(const std::function<void()>& each, const std::function<void()>& work)
{
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, each);
    poll.start();
    work();
}

QString LongText()
{
    QString text;
    for (int line = 0; line < 60; ++line)
        text += QStringLiteral("Строка %1 текста: (пример) [шифр], abc-XYZ. Ёё!\r\n").arg(line);
    return text;
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void runResult_data();
    void runResult();
    void windowAroundRun_data();
    void windowAroundRun();
    void shifrFormatsOwnArea_data();
    void shifrFormatsOwnArea();
    void textChangedDuringRun_data();
    void textChangedDuringRun();
    void commandDuringCopy_data();
    void commandDuringCopy();
    void focusOnResult_data();
    void focusOnResult();

private:
    void Install(const QString& rotors, const QString& key) { QVERIFY(w->Install(rotors, key)); }
    void Run(bool decrypt) { decrypt ? f->DecryptCipherText() : f->EncryptPlainText(); }
    RichTextBox* Source(bool decrypt) const
    {
        return decrypt ? Control<RichTextBox>(*f, "RichTextBox1") : Control<RichTextBox>(*f, "RichTextBox2");
    }
    RichTextBox* Working(bool decrypt) const
    {
        return decrypt ? Control<RichTextBox>(*f, "RichTextBox2") : Control<RichTextBox>(*f, "RichTextBox1");
    }
    QList<QWidget*> FileButtons() const
    {
        return {Control<ThreeDButton>(*f, "SSCommand1"), Control<ThreeDButton>(*f, "SSCommand2"),
                Control<ThreeDButton>(*f, "SSCommand4"), Control<ThreeDButton>(*f, "SSCommand5")};
    }

    std::unique_ptr<WindowFixture> w;
    Form1* f = nullptr;
};

void RunTest::init()
{
    w = std::make_unique<WindowFixture>();
    f = &w->form;
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void RunTest::cleanup()
{
    f = nullptr;
    w.reset();
}

void RunTest::runResult_data()
{
    QTest::addColumn<bool>("decrypt");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rotors");
    QTest::addColumn<QString>("key");

    QTest::newRow("sentence") << false << "Машина Велиста: (5 роторов) [пример], A-z." << "73915" << "Ключ1";
    QTest::newRow("two lines") << false << "Первая строка\r\nвторая" << "01234" << "abcde";
    QTest::newRow("Ё then ж") << false << "Ёж" << "73915" << "Ключ1";
    QTest::newRow("empty") << false << "" << "73915" << "Ключ1";
    QTest::newRow("no-break spaces and tabs") << false << "а\u00A0б\tв \u00A0\tг" << "55555" << "[ ]:.";
    QTest::newRow("outside the alphabet") << false << "Ёлка, ёж! Что? «да» — №5" << "00000" << "     ";
    QTest::newRow("empty lines, trailing break") << false << "раз\r\n\r\nдва\r\n" << "99999" << "zZ9я.";
    QTest::newRow("long, with lines") << false << LongText() << "98765" << "Zz09я";
    QTest::newRow("a line of 35,000 positions, then lines")
        << false << QString("Длинная строка без переводов, abc. ").repeated(1000) + "\r\n" + LongText() << "01234"
        << "abcde";
    QTest::newRow("decryption, two lines") << true << "Шифр!\r\n(текст)" << "73915" << "Ключ1";
}

// The working area ends as the machine stepped symbol by symbol and the command-line tool make it, with
// one beep for each character outside the alphabet; the same run again gives the same result, and the
// opposite run gives the text back exactly.
void RunTest::runResult()
{
    QFETCH(bool, decrypt);
    QFETCH(QString, text);
    QFETCH(QString, rotors);
    QFETCH(QString, key);

    Install(rotors, key);
    Source(decrypt)->SetText(text);
    Working(decrypt)->SetText(QStringLiteral("прежний текст"));
    int outside = 0;
    const QString expected = SymbolBySymbol(text, rotors, key, decrypt, &outside);
    QCOMPARE(CommandLineTool(text, rotors, key, decrypt), expected);
    Run(decrypt);
    QCOMPARE(Working(decrypt)->Text(), expected);
    QCOMPARE(w->beeper.beeps, outside);
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), decrypt ? DecryptEnd : EncryptEnd);

    Run(decrypt);
    QCOMPARE(Working(decrypt)->Text(), expected);
    Source(decrypt)->SetText(QStringLiteral("другой текст"));
    Run(!decrypt);
    QCOMPARE(Source(decrypt)->Text(), text);
}

void RunTest::windowAroundRun_data()
{
    QTest::addColumn<bool>("decrypt");
    QTest::addColumn<QString>("text");

    QTest::newRow("encryption") << false << "Открытый текст\r\nв две строки.";
    QTest::newRow("decryption") << true << "Шифротекст, одна строка";
    QTest::newRow("encryption of an empty text") << false << "";
}

// During a run the file buttons, the rotor panel, the timer and the run buttons are locked and panel 2
// tells the run; afterwards the source is as it was, the result in the standard format, the bank at the
// key and the window unlocked, with the run buttons as the next tick decides.
void RunTest::windowAroundRun()
{
    QFETCH(bool, decrypt);
    QFETCH(QString, text);

    const QString key = QStringLiteral("Ключ1");
    Install("73915", key);
    Source(decrypt)->SetText(text);
    Working(decrypt)->SetText(QStringLiteral("прежний текст"));
    SetFormat(Working(decrypt), "Courier New", 14, true);
    bool sampled = false;
    Watch([&] {
        if (sampled || Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled())
            return;
        sampled = true;
        for (QWidget* button : FileButtons())
            QVERIFY2(!button->isVisible(), qPrintable(button->objectName()));
        QVERIFY(!Control<QTimer>(*f, "Timer1")->isActive());
        QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), decrypt ? DecryptStart : EncryptStart);
        if (!text.isEmpty())  // an empty text: the sample falls in the reinstallation, which shows them
            QVERIFY(!Control<ThreeDButton>(*f, "SSCommand9")->isVisible() &&
                    !Control<ThreeDButton>(*f, "SSCommand7")->isVisible());
    }, [&] { Run(decrypt); });
    QVERIFY(sampled);

    QCOMPARE(Source(decrypt)->Text(), text);
    QCOMPARE(FirstOutOfFormat(Working(decrypt), "MS Sans Serif", 10, false), -1);
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(RotorWindowAt(*f, k - 1)->Lines().value(0), QStringLiteral("   %1   ").arg(key[k - 1]));
        QCOMPARE(w->machine.Bank().StepCounter(std::int16_t(k)), std::int16_t(0));
    }
    QVERIFY(f->RotorsInstalled() && Control<QTimer>(*f, "Timer1")->isActive() &&
            Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled());
    for (QWidget* button : FileButtons())
        QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
    w->Tick();
    QCOMPARE(Control<ThreeDButton>(*f, "SSCommand9")->isVisible(), !text.isEmpty());
    QCOMPARE(Control<ThreeDButton>(*f, "SSCommand7")->isVisible(), !text.isEmpty());
}

void RunTest::shifrFormatsOwnArea_data()
{
    QTest::addColumn<bool>("plainArea");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("cipher");

    const QString shorter = QStringLiteral("Кор");
    const QString longer = QStringLiteral("Длинный текст\r\nв две строки\r\n");
    QTest::newRow("plain area, the longer") << true << longer << shorter;
    QTest::newRow("plain area, the shorter") << true << shorter << longer;
    QTest::newRow("cipher area, the longer") << false << shorter << longer;
    QTest::newRow("cipher area, the shorter") << false << longer << shorter;
}

void RunTest::shifrFormatsOwnArea()
{
    QFETCH(bool, plainArea);
    QFETCH(QString, plain);
    QFETCH(QString, cipher);

    Control<RichTextBox>(*f, "RichTextBox2")->SetText(plain);
    Control<RichTextBox>(*f, "RichTextBox1")->SetText(cipher);
    for (RichTextBox* box : {Control<RichTextBox>(*f, "RichTextBox1"), Control<RichTextBox>(*f, "RichTextBox2")})
        SetFormat(box, "Courier New", 14, true);
    RichTextBox* own = plainArea ? Control<RichTextBox>(*f, "RichTextBox2") : Control<RichTextBox>(*f, "RichTextBox1");
    own->SetSelStart(2);
    own->SetSelLength(1);
    f->shifr(own);
    QCOMPARE(FirstOutOfFormat(own, "MS Sans Serif", 10, false), -1);
    QCOMPARE(FirstOutOfFormat(
                 plainArea ? Control<RichTextBox>(*f, "RichTextBox1") : Control<RichTextBox>(*f, "RichTextBox2"),
                 "Courier New", 14, true),
             -1);
    QCOMPARE(own->SelStart(), 0);
    QCOMPARE(own->SelLength(), 0);
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox2")->Text() + Control<RichTextBox>(*f, "RichTextBox1")->Text(),
             plain + cipher);
}

void RunTest::textChangedDuringRun_data()
{
    QTest::addColumn<bool>("decrypt");
    QTest::addColumn<QString>("change");

    QTest::newRow("Новый шифротекст during encryption") << false << "new";
    QTest::newRow("Новый текст during decryption") << true << "new";
    QTest::newRow("Новый текст (the source) during encryption") << false << "new source";
    QTest::newRow("text appended during encryption") << false << "append";
    QTest::newRow("text appended during decryption") << true << "append";
    QTest::newRow("first character deleted, a line break's LF next") << false << "delete";
    QTest::newRow("Shift+F4 opens a ciphertext during encryption") << false << "open";
    QTest::newRow("Выход during encryption") << false << "exit";
    QTest::newRow("window closed during decryption") << true << "close";
}

// The run re-reads its working area on every pass: from the position it has reached (the symbol after
// the selected one) it goes on over the changed text, or ends. A command that clears or fills the working
// area ends it, and so do Выход and closing the window, at once.
void RunTest::textChangedDuringRun()
{
    QFETCH(bool, decrypt);
    QFETCH(QString, change);

    const QString text = QStringLiteral("аб\r\n").repeated(200) + LongText();
    const QString added = QStringLiteral("\r\nДописано во время работы: Ёж.");
    QTemporaryDir dir;
    w->dialogs.chosenFile = dir.filePath("открыт.vls");
    QVERIFY(WriteBytes(w->dialogs.chosenFile, Cp1251(added)));
    Install("73915", "Ключ1");
    Source(decrypt)->SetText(text);
    RichTextBox* working = Working(decrypt);
    QString changed;  // the working area's text just after the change
    qint32 position = -1;
    QElapsedTimer sinceExit;
    const auto act = [&] {
        if (position >= 0 || Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled() || working->Text() == text)
            return;
        const qint32 reached = working->SelStart() + working->SelLength();
        if (change == "delete" && working->Text().at(reached + 1) != u'\n')
            return;
        position = reached;
        if (change == "new")
            decrypt ? f->NewPlainText() : f->NewCipherText();
        else if (change == "new source")
            f->NewPlainText();
        else if (change == "append")
            working->AppendText(added);
        else if (change == "delete") {
            working->setTextCursor(QTextCursor(working->document()));
            QTest::keyClick(working, Qt::Key_Delete);
        } else if (change == "open")
            QTest::keySequence(f, QKeySequence(Qt::SHIFT | Qt::Key_F4));
        else {
            sinceExit.start();
            change == "exit" ? f->Exit() : void(f->close());
        }
        changed = working->Text();
    };
    // As in the program, the run works inside the application's event loop, which ends with the window.
    Watch(act, [&] {
        QTimer::singleShot(0, f, [&] {
            Run(decrypt);
            QCoreApplication::exit(0);
        });
        QApplication::exec();
    });
    QVERIFY(position > 0);

    if (change == "exit" || change == "close") {
        QVERIFY2(sinceExit.elapsed() < 1000, qPrintable(QString::number(sinceExit.elapsed())));
        QVERIFY(!f->isVisible());
        QCOMPARE(working->Text(), changed);  // no slice after the end
        return;
    }
    int outside = 0;
    const bool taken = change == "new" || change == "open";  // the command took the working area
    QCOMPARE(working->Text(), taken ? changed
                                    : changed.left(position) +
                                          SymbolBySymbol(changed, "73915", "Ключ1", decrypt, &outside).mid(position));
    QCOMPARE(Source(decrypt)->Text(), change == "open" || change == "new source" ? QString() : text);
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), taken     ? (decrypt ? DecryptEnded : EncryptEnded)
                                                                 : decrypt ? DecryptEnd
                                                                           : EncryptEnd);
    QVERIFY(Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled() && Control<QTimer>(*f, "Timer1")->isActive());
}

void RunTest::commandDuringCopy_data()
{
    QTest::addColumn<bool>("decrypt");
    QTest::addColumn<QString>("command");

    QTest::newRow("Shift+F3 during encryption") << false << "Shift+F3";
    QTest::newRow("Shift+F4 during encryption") << false << "Shift+F4";
    QTest::newRow("Ctrl+F3 during decryption") << true << "Ctrl+F3";
    QTest::newRow("Ctrl+F4 during decryption") << true << "Ctrl+F4";
    // A save only formats the area anew: the copy goes on to the end.
    QTest::newRow("Shift+F2 during encryption") << false << "Shift+F2";
    // Typed into the emptied working area just before the copy: the copy replaces it.
    QTest::newRow("typed before the copy") << false << "typing";
}

// A long source is copied into the working area in pieces. A command that clears or replaces the
// working area between two pieces ends the run: what the command put there stands, and nothing of the old
// source is appended after it.
void RunTest::commandDuringCopy()
{
    QFETCH(bool, decrypt);
    QFETCH(QString, command);

    QString source;
    while (source.size() < 300 * 1024)
        source += LongText();
    const QString opened = QStringLiteral("Открытый во время копирования файл.\r\nВторая строка");
    QTemporaryDir dir;
    w->dialogs.chosenFile = dir.filePath("открыт");
    QVERIFY(WriteBytes(w->dialogs.chosenFile, Cp1251(opened)));
    Install("73915", "Ключ1");
    Source(decrypt)->SetText(source);
    RichTextBox* working = Working(decrypt);
    const bool typing = command == "typing";
    // So that only the copy puts text into it; a prior text tells the yield before the area is emptied.
    working->SetText(typing ? QStringLiteral("прежний") : QString());
    bool running = false;
    bool given = false;
    const auto act = [&] {
        const qint32 count = working->SymbolCount();
        if (running && !given && typing && count == 0) {
            given = true;
            QTest::keyClicks(working, QStringLiteral("typed"));
            return;
        }
        if (!running || given || typing || !Control<ThreeDPanel>(*f, "SSPanel1")->isEnabled() || count == 0 ||
            count >= source.size())
            return;
        given = true;  // in the copy step: part of the source is in the working area, the panel not yet locked
        QTest::keySequence(f, QKeySequence::fromString(command));
    };
    Watch(act, [&] {
        running = true;
        Run(decrypt);
    });
    QVERIFY(given);
    int outside = 0;
    const bool taken = command.endsWith("F4") || command.endsWith("F3");
    const QString expected = command.endsWith("F4") ? opened : command.endsWith("F3") ? QString() : source;
    QCOMPARE(working->Text(), taken ? expected : SymbolBySymbol(expected, "73915", "Ключ1", decrypt, &outside));
    QCOMPARE(w->dialogs.fileDialogs.size(), command.endsWith("F4") || command.endsWith("F2") ? 1 : 0);
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), taken     ? (decrypt ? DecryptEnded : EncryptEnded)
                                                                 : decrypt ? DecryptEnd
                                                                           : EncryptEnd);
}

void RunTest::focusOnResult_data()
{
    QTest::addColumn<bool>("decrypt");
    QTest::addColumn<QString>("text");

    QTest::newRow("encryption") << false << "Открытый текст";
    QTest::newRow("decryption") << true << "Шифротекст";
    QTest::newRow("encryption of an empty text") << false << "";
}

// After a run the keyboard focus is in the area that holds the result, not on a button that a Space
// would press.
void RunTest::focusOnResult()
{
    QFETCH(bool, decrypt);
    QFETCH(QString, text);

    Install("73915", "Ключ1");
    Source(decrypt)->SetText(text);
    w->Tick();
    // As a click leaves it: the focus on the run button, which the run hides. (With an empty source the
    // tick has hidden the button already; the click came just before it.)
    ThreeDButton* button = decrypt ? Control<ThreeDButton>(*f, "SSCommand7") : Control<ThreeDButton>(*f, "SSCommand9");
    button->show();
    button->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button));
    Run(decrypt);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Working(decrypt)));
}

QTEST_MAIN(RunTest)
#include "RunTest.moc"
