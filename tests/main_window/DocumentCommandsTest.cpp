// The document commands of the main window: the file dialogs they ask and the folder they start in,
// cancelled dialogs, files that cannot be read or written, the bytes of a file through an area and back,
// the two "new" commands and the shortcuts that reach the commands while their buttons are hidden.

#include "StatusBar.h"
#include "ThreeDButton.h"
#include "WindowFixture.h"

#include <QDir>
#include <QTemporaryDir>


using namespace velista;
using namespace velista::test;

namespace {

const QString Program = QStringLiteral("/program");
const QString PlainText = QStringLiteral("Открытый текст");
const QString CipherText = QStringLiteral("Шифротекст");

}  // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileCommand_data();
    void fileCommand();
    void cancelledDialog_data();
    void cancelledDialog();
    void failedFile_data();
    void failedFile();
    void charactersOutsideCodePage_data();
    void charactersOutsideCodePage();
    void saveNeedsTwoCharacters_data();
    void saveNeedsTwoCharacters();
    void everyByteRoundTrips_data();
    void everyByteRoundTrips();
    void newClearsOwnArea_data();
    void newClearsOwnArea();
    void shortcutsWhileLocked_data();
    void shortcutsWhileLocked();

private:
    void Command(const QString& name)
    {
        const bool plain = Plain(name);
        if (name.startsWith("open"))
            plain ? f->OpenPlainText() : f->OpenCipherText();
        else if (name.startsWith("save"))
            plain ? f->SavePlainText() : f->SaveCipherText();
        else
            plain ? f->NewPlainText() : f->NewCipherText();
    }
    static bool Plain(const QString& command) { return command.endsWith("plain"); }
    RichTextBox* Area(const QString& command) const { return Plain(command) ? f->RichTextBox2 : f->RichTextBox1; }
    // Both areas hold text, the rotors are installed, both run buttons show and panel 2 holds a text.
    void FillAndInstall()
    {
        f->RichTextBox2->SetText(PlainText);
        f->RichTextBox1->SetText(CipherText);
        QVERIFY(w->Install("73915", "Ключ1"));
        w->Tick();
        QVERIFY(f->SSCommand9->isVisible() && f->SSCommand7->isVisible());
        f->ShowOperation(Done);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }

    const QString Done = QStringLiteral("Шифрование выполнено");
    std::unique_ptr<WindowFixture> w;
    Form1* f = nullptr;
    QTemporaryDir dir;
};

void DocumentCommandsTest::init()
{
    QVERIFY(dir.isValid());
    w = std::make_unique<WindowFixture>();
    f = &w->form;
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void DocumentCommandsTest::cleanup()
{
    f = nullptr;
    w.reset();
    QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
}

void DocumentCommandsTest::fileCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("next");    // a command of the other kind, which starts where this one ended
    QTest::addColumn<QString>("hidden");  // the run button the command hides

    QTest::newRow("open plain") << "open plain" << "(Все файлы txt  )|*.txt" << "save cipher" << "SSCommand7";
    QTest::newRow("save plain") << "save plain" << "(Все файлы  расширением .txt )|*.txt" << "open cipher"
                                << "SSCommand7";
    QTest::newRow("open cipher") << "open cipher" << "(Все файлы  расширением .vls )|*.vls" << "save plain"
                                 << "SSCommand9";
    QTest::newRow("save cipher") << "save cipher" << "(Все файлы  расширением .vls )|*.vls" << "open plain" << "";
}

// The dialog's filter and extension; it starts at the last file opened or saved, of either kind. An
// opened file replaces its area and empties the other; a saved one holds its area's text.
void DocumentCommandsTest::fileCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, filter);
    QFETCH(QString, next);
    QFETCH(QString, hidden);

    const bool save = command.startsWith("save");
    const QString extension = filter.right(3);
    const QString fileText = QStringLiteral("Текст из файла,\r\nв две строки");
    const QString chosen = Path("выбранный файл." + extension);
    QVERIFY(WriteBytes(chosen, Cp1251(fileText)));
    FillAndInstall();
    w->dialogs.chosenFile = chosen;
    Command(command);
    QCOMPARE(w->dialogs.fileDialogs.size(), 1);
    const auto& [saveDialog, request] = w->dialogs.fileDialogs[0];
    QCOMPARE(saveDialog, save);
    QCOMPARE(request.initialDirectory, Program);
    QCOMPARE(request.filter, filter);
    QCOMPARE(request.defaultExtension, extension);
    QCOMPARE(f->LastDirectory(), chosen);
    const bool plain = Plain(command);
    QCOMPARE(f->RichTextBox2->Text(), save ? PlainText : plain ? fileText : QString());
    QCOMPARE(f->RichTextBox1->Text(), save ? CipherText : plain ? QString() : fileText);
    QCOMPARE(ReadBytes(chosen), Cp1251(save ? Area(command)->Text() : fileText));
    QCOMPARE(f->SSCommand7->isVisible(), hidden != "SSCommand7");
    QCOMPARE(f->SSCommand9->isVisible(), hidden != "SSCommand9");
    QCOMPARE(f->StatusBar1->PanelText(2), command == "open plain" ? QString() : Done);
    QVERIFY(w->dialogs.warnings.isEmpty());

    w->dialogs.chosenFile.clear();
    f->RichTextBox2->SetText(PlainText);
    f->RichTextBox1->SetText(CipherText);
    Command(next);
    QCOMPARE(w->dialogs.fileDialogs.size(), 2);
    QCOMPARE(w->dialogs.fileDialogs[1].request.initialDirectory, chosen);
}

void DocumentCommandsTest::cancelledDialog_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("formatsPlain");
    QTest::addColumn<bool>("formatsCipher");

    QTest::newRow("open plain") << "open plain" << true << false;
    QTest::newRow("save plain") << "save plain" << true << false;
    QTest::newRow("open cipher") << "open cipher" << false << false;
    QTest::newRow("save cipher") << "save cipher" << false << true;
}

// Texts and the initial folder stay; only the command's tail formats an area.
void DocumentCommandsTest::cancelledDialog()
{
    QFETCH(QString, command);
    QFETCH(bool, formatsPlain);
    QFETCH(bool, formatsCipher);

    f->RichTextBox2->SetText(PlainText);
    f->RichTextBox1->SetText(CipherText);
    SetFormat(f->RichTextBox2, "Courier New", 14, true);
    SetFormat(f->RichTextBox1, "Courier New", 14, true);
    Command(command);
    QCOMPARE(w->dialogs.fileDialogs.size(), 1);
    QCOMPARE(f->RichTextBox2->Text() + "|" + f->RichTextBox1->Text(), PlainText + "|" + CipherText);
    QCOMPARE(f->LastDirectory(), Program);
    QCOMPARE(FirstOutOfFormat(f->RichTextBox2, "MS Sans Serif", 10, false) == -1, formatsPlain);
    QCOMPARE(FirstOutOfFormat(f->RichTextBox1, "MS Sans Serif", 10, false) == -1, formatsCipher);
    QVERIFY(w->dialogs.warnings.isEmpty());
}

void DocumentCommandsTest::failedFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");

    for (const char* kind : {"missing", "a folder", "with a zero byte", "over 64 MiB"})
        QTest::addRow("open plain, %s", kind) << "open plain" << kind;
    for (const char* kind : {"missing", "with a zero byte"})
        QTest::addRow("open cipher, %s", kind) << "open cipher" << kind;
    // Running as root, a read-only folder would not stop a save; a path under a regular file does.
    for (const char* command : {"save plain", "save cipher"}) {
        QTest::addRow("%s, in a missing folder", command) << command << "in a missing folder";
        QTest::addRow("%s, under a regular file", command) << command << "under a regular file";
    }
}

// Both areas, panel 2, the run buttons and the initial folder stay as they were; one warning names the file.
void DocumentCommandsTest::failedFile()
{
    QFETCH(QString, command);
    QFETCH(QString, kind);

    QString path = Path("неудачный.txt");
    QVERIFY(WriteBytes(Path("файл"), "x"));
    if (kind == "a folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "with a zero byte")
        QVERIFY(WriteBytes(path, Cp1251("Текст") + '\0' + Cp1251("после нуля")));
    else if (kind == "over 64 MiB")
        QVERIFY(WriteBytes(path, QByteArray((qint64{64} << 20) + 1, 'a')));
    else if (kind == "in a missing folder")
        path = Path("нет папки/неудачный.txt");
    else if (kind == "under a regular file")
        path = Path("файл/неудачный.txt");
    FillAndInstall();
    w->dialogs.chosenFile = path;
    Command(command);
    QCOMPARE(f->RichTextBox2->Text() + "|" + f->RichTextBox1->Text(), PlainText + "|" + CipherText);
    QCOMPARE(f->StatusBar1->PanelText(2), Done);
    QVERIFY(f->SSCommand9->isVisible() && f->SSCommand7->isVisible());
    QCOMPARE(f->LastDirectory(), Program);
    QCOMPARE(w->dialogs.warnings.size(), 1);
    QVERIFY2(w->dialogs.warnings[0].first.contains("неудачный.txt"), qPrintable(w->dialogs.warnings[0].first));
}

void DocumentCommandsTest::charactersOutsideCodePage_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("replaced");

    QTest::newRow("Greek letters, plain") << "save plain" << "Ω и ω, € и №" << "? и ?, € и №" << 2;
    QTest::newRow("emoji, cipher") << "save cipher" << "Смайл 😀." << "Смайл ?." << 1;
}

// Each character that Windows-1251 lacks is written as '?', and one warning tells how many there were.
void DocumentCommandsTest::charactersOutsideCodePage()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, written);
    QFETCH(int, replaced);

    Area(command)->SetText(text);
    w->dialogs.chosenFile = Path("вывод");
    Command(command);
    QCOMPARE(ReadBytes(Path("вывод")), Cp1251(written));
    QCOMPARE(w->dialogs.warnings.size(), 1);
    QVERIFY2(w->dialogs.warnings[0].first.contains(QString::number(replaced)), qPrintable(w->dialogs.warnings[0].first));
    QCOMPARE(f->LastDirectory(), Path("вывод"));
}

void DocumentCommandsTest::saveNeedsTwoCharacters_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asks");

    for (const char* command : {"save plain", "save cipher"}) {
        QTest::addRow("%s, empty", command) << command << "" << false;
        QTest::addRow("%s, one letter", command) << command << "я" << false;
        QTest::addRow("%s, one line break", command) << command << "\r\n" << true;
        QTest::addRow("%s, two letters", command) << command << "яд" << true;
    }
}

// Fewer than two characters: no dialog, and the area is not even formatted.
void DocumentCommandsTest::saveNeedsTwoCharacters()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(bool, asks);

    Area(command)->SetText(text);
    SetFormat(Area(command), "Courier New", 14, true);
    Command(command);
    QCOMPARE(w->dialogs.fileDialogs.size(), asks ? 1 : 0);
    if (!asks)
        QCOMPARE(FirstOutOfFormat(Area(command), "Courier New", 14, true), -1);
}

void DocumentCommandsTest::everyByteRoundTrips_data()
{
    QTest::addColumn<QString>("area");
    QTest::newRow("plain area") << "plain";
    QTest::newRow("cipher area") << "cipher";
}

// Every byte but zero, lines broken by CR LF, comes back as itself, one character per byte.
void DocumentCommandsTest::everyByteRoundTrips()
{
    QFETCH(QString, area);

    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes += char(b);
        if (b % 32 == 0)
            bytes += "\r\n";
    }
    bytes += "\r\n";
    QVERIFY(WriteBytes(Path("все байты"), bytes));
    w->dialogs.chosenFile = Path("все байты");
    Command("open " + area);
    QCOMPARE(Area(area)->Text().size(), bytes.size());
    w->dialogs.chosenFile = Path("сохранено");
    Command("save " + area);
    QCOMPARE(ReadBytes(Path("сохранено")), bytes);
    QVERIFY(w->dialogs.warnings.isEmpty());
}

void DocumentCommandsTest::newClearsOwnArea_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Новый текст") << "new plain";
    QTest::newRow("Новый шифротекст") << "new cipher";
}

// Only the command's own area and panel 2 are cleared and its run button hidden; the rotors stay.
void DocumentCommandsTest::newClearsOwnArea()
{
    QFETCH(QString, command);

    FillAndInstall();
    const bool plain = Plain(command);
    Command(command);
    QCOMPARE(f->RichTextBox2->Text(), plain ? QString() : PlainText);
    QCOMPARE(f->RichTextBox1->Text(), plain ? CipherText : QString());
    QCOMPARE(f->StatusBar1->PanelText(2), QString());
    QCOMPARE(f->SSCommand9->isVisible(), !plain);
    QCOMPARE(f->SSCommand7->isVisible(), plain);
    QVERIFY(f->RotorsInstalled());
    QCOMPARE(f->LastDirectory(), Program);
}

void DocumentCommandsTest::shortcutsWhileLocked_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("filter");

    QTest::newRow("Ctrl+F4") << QKeySequence(Qt::CTRL | Qt::Key_F4) << "(Все файлы txt  )|*.txt";
    QTest::newRow("Shift+F4") << QKeySequence(Qt::SHIFT | Qt::Key_F4) << "(Все файлы  расширением .vls )|*.vls";
    QTest::newRow("Ctrl+F2") << QKeySequence(Qt::CTRL | Qt::Key_F2) << "(Все файлы  расширением .txt )|*.txt";
    QTest::newRow("Shift+F2") << QKeySequence(Qt::SHIFT | Qt::Key_F2) << "(Все файлы  расширением .vls )|*.vls";
}

// The file buttons are hidden during a run; the shortcuts still give their commands.
void DocumentCommandsTest::shortcutsWhileLocked()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, filter);

    f->RichTextBox2->SetText(PlainText);
    f->RichTextBox1->SetText(CipherText);
    f->bloc();
    QTest::keySequence(f, keys);
    QCOMPARE(w->dialogs.fileDialogs.size(), 1);
    QCOMPARE(w->dialogs.fileDialogs[0].request.filter, filter);
}

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
