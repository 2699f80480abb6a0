// SPDX-License-Identifier: GPL-3.0-or-later
// The document commands of the main window: the file dialogs they ask and the folder they start in,
// cancelled dialogs, files that cannot be read or written, the bytes of a file through an area and back,
// the two "new" commands and the shortcuts that reach the commands while their buttons are hidden.

#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "path_window/SymbolPathWindow.h"
#include "tests/main_window/WindowFixture.h"

#include "main_window/QtUserDialogs.h"
#include "main_window/TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <thread>
// The faults made for real below (a full disk through RLIMIT_FSIZE, FIFOs, devices, links, another
// user) are POSIX's; on Windows those rows are left out and the rest run as they are.
#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif


using namespace velista;
using namespace velista::test;

namespace {

const QString Program = QStringLiteral("/program");
const QString PlainText = QStringLiteral("Открытый текст");
const QString CipherText = QStringLiteral("Шифротекст");

#ifndef _WIN32
// While it lives, every write of this process past `bytes` fails with EFBIG, as on a full disk: the
// signal the kernel sends for it is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
#endif

// What a message says once the file's path is taken out: words of the Latin alphabet, as the platform's
// English error texts have them.
bool HasEnglishWords(QString message, const QString& path)
{
    message.remove(QDir::toNativeSeparators(path));
    return message.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}")));
}

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
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void readOnlyFolderWritesInPlace();
    void savedCiphertextDecrypts_data();
    void savedCiphertextDecrypts();
    void dialogProposesOwnKind_data();
    void dialogProposesOwnKind();
    void exportedPdf_data();
    void exportedPdf();

private:
    void Command(const QString& name)
    {
        const bool plain = Plain(name);
        // The path window's saves: its drawing, and the path of the area a run in its direction reads.
        if (name == "export pdf") {
            f->ExportPdf(w->dialogs.chosenFile, false);
            return;
        }
        if (name.startsWith("save drawing") || name.startsWith("save path")) {
            QVERIFY(w->Install("73915", "Ключ1"));
            f->ShowPathWindow();
            f->PathWindow()->DecipherBox->setChecked(!plain);
            Control<QAction>(*f->PathWindow(), name.startsWith("save drawing") ? "saveDrawingAction" : "saveTextPathAction")
                ->trigger();
            return;
        }
        if (name.startsWith("open"))
            plain ? f->OpenPlainText() : f->OpenCipherText();
        else if (name.startsWith("save"))
            plain ? f->SavePlainText() : f->SaveCipherText();
        else
            plain ? f->NewPlainText() : f->NewCipherText();
    }
    static bool Plain(const QString& command) { return command.endsWith("plain"); }
    RichTextBox* Area(const QString& command) const
    {
        return Plain(command) ? Control<RichTextBox>(*f, "RichTextBox2") : Control<RichTextBox>(*f, "RichTextBox1");
    }
    // Both areas hold text, the rotors are installed, both run buttons show and panel 2 holds a text.
    void FillAndInstall()
    {
        Control<RichTextBox>(*f, "RichTextBox2")->SetText(PlainText);
        Control<RichTextBox>(*f, "RichTextBox1")->SetText(CipherText);
        QVERIFY(w->Install("73915", "Ключ1"));
        w->Tick();
        QVERIFY(Control<ThreeDButton>(*f, "SSCommand9")->isVisible() &&
                Control<ThreeDButton>(*f, "SSCommand7")->isVisible());
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
    // A tick while the command has emptied both areas would hide both run buttons until the next tick.
    Control<QTimer>(*f, "Timer1")->stop();
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
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox2")->Text(), save ? PlainText : plain ? fileText : QString());
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox1")->Text(), save ? CipherText : plain ? QString() : fileText);
    QCOMPARE(ReadBytes(chosen), Cp1251(save ? Area(command)->Text() : fileText));
    QCOMPARE(Control<ThreeDButton>(*f, "SSCommand7")->isVisible(), hidden != "SSCommand7");
    QCOMPARE(Control<ThreeDButton>(*f, "SSCommand9")->isVisible(), hidden != "SSCommand9");
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), command == "open plain" ? QString() : Done);
    QVERIFY(w->dialogs.warnings.isEmpty());

    w->dialogs.chosenFile.clear();
    Control<RichTextBox>(*f, "RichTextBox2")->SetText(PlainText);
    Control<RichTextBox>(*f, "RichTextBox1")->SetText(CipherText);
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

    Control<RichTextBox>(*f, "RichTextBox2")->SetText(PlainText);
    Control<RichTextBox>(*f, "RichTextBox1")->SetText(CipherText);
    SetFormat(Control<RichTextBox>(*f, "RichTextBox2"), "Courier New", 14, true);
    SetFormat(Control<RichTextBox>(*f, "RichTextBox1"), "Courier New", 14, true);
    Command(command);
    QCOMPARE(w->dialogs.fileDialogs.size(), 1);
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox2")->Text() + "|" + Control<RichTextBox>(*f, "RichTextBox1")->Text(),
             PlainText + "|" + CipherText);
    QCOMPARE(f->LastDirectory(), Program);
    QCOMPARE(FirstOutOfFormat(Control<RichTextBox>(*f, "RichTextBox2"), "MS Sans Serif", 10, false) == -1,
             formatsPlain);
    QCOMPARE(FirstOutOfFormat(Control<RichTextBox>(*f, "RichTextBox1"), "MS Sans Serif", 10, false) == -1,
             formatsCipher);
    QVERIFY(w->dialogs.warnings.isEmpty());
}

void DocumentCommandsTest::failedFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    const QString notRegular = QStringLiteral("это не обычный файл");
    for (const char* command : {"open plain", "open cipher"}) {
        QTest::addRow("%s, missing", command) << command << "missing" << "нет такого файла или папки";
#ifndef _WIN32  // a link is a shortcut file there, not a link the file system follows
        QTest::addRow("%s, a link into nothing", command) << command << "dangling link" << "ссылка ведёт в никуда";
#endif
        QTest::addRow("%s, with a zero byte", command) << command << "with a zero byte" << "это не текстовый файл";
#ifndef _WIN32
        // A FIFO or a device is refused before it is opened: the window neither waits for a writer nor
        // reads without end.
        QTest::addRow("%s, a FIFO", command) << command << "fifo" << notRegular;
        QTest::addRow("%s, a link to a FIFO", command) << command << "link to fifo" << notRegular;
        QTest::addRow("%s, /dev/zero", command) << command << "/dev/zero" << notRegular;
        QTest::addRow("%s, a .txt link to /dev/zero", command) << command << "link to /dev/zero" << notRegular;
#endif
    }
    QTest::addRow("open plain, a folder") << "open plain" << "a folder" << "это папка, а не файл";
    QTest::addRow("open plain, over 64 MiB") << "open plain" << "over 64 MiB" << "больше 64 МиБ";
    // Running as root, a read-only folder would not stop a save; a path under a regular file does.
    // Windows names both "path not found": the reasons must still be those of POSIX.
    for (const char* command : {"save plain", "save cipher"}) {
        QTest::addRow("%s, in a missing folder", command) << command << "in a missing folder"
                                                          << "нет такого файла или папки";
        QTest::addRow("%s, under a regular file", command) << command << "under a regular file"
                                                           << "часть пути - не папка";
        QTest::addRow("%s, two levels under a regular file", command) << command << "two levels under a regular file"
                                                                      << "часть пути - не папка";
    }
    QTest::addRow("save cipher, a folder") << "save cipher" << "a folder" << "это папка, а не файл";
#ifndef _WIN32
    QTest::addRow("save cipher, over a FIFO") << "save cipher" << "fifo" << notRegular;
    QTest::addRow("save plain, a full disk") << "save plain" << "full disk" << "файл слишком велик";
#endif
}

// Both areas, panel 2, the run buttons and the initial folder stay as they were; one warning names the
// file and tells the reason in Russian, with no English detail of the platform's. A writer comes to the
// FIFO after 1.2 s, so that a window that waited for one fails here rather than hangs.
void DocumentCommandsTest::failedFile()
{
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QString path = Path("неудачный.txt");
    const QString fifo = Path("канал.txt");
    QVERIFY(WriteBytes(Path("файл"), "x"));
#ifndef _WIN32
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
#endif
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
    else if (kind == "two levels under a regular file")
        path = Path("файл/папка/неудачный.txt");
    else if (kind == "fifo" || kind == "/dev/zero")
        path = kind == "fifo" ? fifo : kind;
    else if (kind.contains("link"))
        QVERIFY(QFile::link(kind == "dangling link" ? Path("нет его") : kind.endsWith("fifo") ? fifo : "/dev/zero", path));
    std::thread writer([fifo, waits = kind.contains("fifo")] {
        if (!waits)
            return;
#ifndef _WIN32
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (std::chrono::steady_clock::now() < deadline) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                [[maybe_unused]] const auto written = ::write(fd, "from the pipe", 13);
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
#endif
    });
    FillAndInstall();
    w->dialogs.chosenFile = path;
    QElapsedTimer clock;
    clock.start();
    {
#ifndef _WIN32
        const FileSizeLimit limit(kind == "full disk" ? 0 : RLIM_INFINITY);
#endif
        Command(command);
    }
    const qint64 elapsed = clock.elapsed();
    writer.join();
    QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox2")->Text() + "|" + Control<RichTextBox>(*f, "RichTextBox1")->Text(),
             PlainText + "|" + CipherText);
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), Done);
    QVERIFY(Control<ThreeDButton>(*f, "SSCommand9")->isVisible() &&
            Control<ThreeDButton>(*f, "SSCommand7")->isVisible());
    QCOMPARE(f->LastDirectory(), Program);
    QCOMPARE(w->dialogs.warnings.size(), 1);
    const QString message = w->dialogs.warnings[0].first;
    QVERIFY2(message.contains(QFileInfo(path).fileName()) && message.contains(reason), qPrintable(message));
    QVERIFY2(!HasEnglishWords(message, path), qPrintable(message));
    QVERIFY(!QFileInfo(fifo).isFile());
}

void DocumentCommandsTest::charactersOutsideCodePage_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("counted");  // the count as the message gives it, its noun in the right form

    QTest::newRow("Greek letters, plain") << "save plain" << "Ω и ω, € и №" << "? и ?, € и №" << "2 символа";
    // An emoji fills two positions of the area, so it takes two places in the file.
    QTest::newRow("emoji, cipher") << "save cipher" << "Смайл 😀." << "Смайл ??." << "2 символа";
    QTest::newRow("two emoji and a lone surrogate, plain")
        << "save plain" << QString("😀я😀") + QChar(0xD800) << "??я???" << "5 символов";
    QTest::newRow("one letter") << "save cipher" << "Ωя" << "?я" << "1 символ";
    QTest::newRow("eleven letters") << "save plain" << QString("Ω").repeated(11) + "я" << QString("?").repeated(11) + "я"
                                    << "11 символов";
    QTest::newRow("twenty-one letters") << "save plain" << QString("ω").repeated(21) << QString("?").repeated(21)
                                        << "21 символ";
}

// Each character that Windows-1251 lacks is written as '?', and one warning tells how many there were.
void DocumentCommandsTest::charactersOutsideCodePage()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, written);
    QFETCH(QString, counted);

    Area(command)->SetText(text);
    w->dialogs.chosenFile = Path("вывод");
    Command(command);
    QCOMPARE(ReadBytes(Path("вывод")), Cp1251(written));
    QCOMPARE(w->dialogs.warnings.size(), 1);
    const QString& message = w->dialogs.warnings[0].first;
    QVERIFY2(message.contains(QStringLiteral(": %1.").arg(counted)), qPrintable(message));
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
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox2")->Text(), plain ? QString() : PlainText);
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox1")->Text(), plain ? CipherText : QString());
    QCOMPARE(Control<StatusBar>(*f, "StatusBar1")->PanelText(2), QString());
    QCOMPARE(Control<ThreeDButton>(*f, "SSCommand9")->isVisible(), !plain);
    QCOMPARE(Control<ThreeDButton>(*f, "SSCommand7")->isVisible(), plain);
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

    Control<RichTextBox>(*f, "RichTextBox2")->SetText(PlainText);
    Control<RichTextBox>(*f, "RichTextBox1")->SetText(CipherText);
    f->bloc();
    QTest::keySequence(f, keys);
    QCOMPARE(w->dialogs.fileDialogs.size(), 1);
    QCOMPARE(w->dialogs.fileDialogs[0].request.filter, filter);
}

void DocumentCommandsTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("textBytes");

    // Up to 16 KiB a write stays in the file's buffer until commit(); above, it reaches the disk at once.
    for (const char* command : {"save plain", "save cipher"}) {
        QTest::addRow("%s, 3 KiB", command) << command << 3 * 1024;
        QTest::addRow("%s, 16 KiB", command) << command << 16 * 1024;
        QTest::addRow("%s, 100 KiB", command) << command << 100 * 1024;
    }
    for (const char* command :
         {"save drawing png", "save drawing svg", "save path of plain", "save path of cipher", "export pdf"})
        QTest::addRow("%s, 3 KiB", command) << command << 3 * 1024;
}

// A write that fails for real (EFBIG past RLIMIT_FSIZE) leaves the old file byte for byte, keeps the
// initial folder and says why in Russian, once.
void DocumentCommandsTest::failedSaveKeepsOldFile()
{
    QFETCH(QString, command);
    QFETCH(int, textBytes);
#ifdef _WIN32
    Q_UNUSED(textBytes);
    QSKIP("a full disk is made with RLIMIT_FSIZE, which Windows lacks");
#else
    const QString name = command.endsWith("svg") ? QStringLiteral("старый.svg") : QStringLiteral("старый.txt");
    const QString path = Path(name);
    const QByteArray old = Cp1251(QStringLiteral("Прежнее содержимое файла.\r\n").repeated(20));
    QVERIFY(WriteBytes(path, old));
    Area(command)->SetText(QString("Новый текст. ").repeated(textBytes / 13 + 1).left(textBytes));
    w->dialogs.chosenFile = path;
    {
        const FileSizeLimit limit(1024);
        Command(command);
    }
    QCOMPARE(ReadBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    QCOMPARE(f->LastDirectory(), Program);
    QCOMPARE(w->dialogs.warnings.size(), 1);
    const QString message = w->dialogs.warnings[0].first;
    QVERIFY2(message.contains("файл слишком велик") && message.contains("прежний файл не изменён"),
             qPrintable(message));
    QVERIFY2(!HasEnglishWords(message, path), qPrintable(message));
#endif
}

// A folder that takes no new file, holding a file its user may write: the save writes the file in place
// and says so. Root writes any folder, so as root the save runs in a child process as nobody.
void DocumentCommandsTest::readOnlyFolderWritesInPlace()
{
#ifdef _WIN32
    QSKIP("folder permissions are POSIX modes here");
#else
    const bool root = ::geteuid() == 0;
    QTemporaryDir parent(QDir::tempPath() + "/velista-XXXXXX");
    QVERIFY(parent.isValid());
    const QString folder = parent.filePath("только чтение");
    const QString path = folder + "/письмо.txt";
    QVERIFY(QDir().mkdir(folder) && WriteBytes(path, "old text, longer than the new one"));
    QVERIFY(::chmod(QFile::encodeName(parent.path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0755); });
    const QString text = QStringLiteral("Новый текст");
    int outcome = -1;  // 0 written in place, 1 written otherwise, 2 not written
    if (root) {
        QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(3);
            const TextFile::Writing writing = TextFile::Write(path, text);
            ::_exit(!writing.written ? 2 : writing.inPlace ? 0 : 1);
        }
        int status = 0;
        QVERIFY(::waitpid(child, &status, 0) == child && WIFEXITED(status));
        outcome = WEXITSTATUS(status);
    } else {
        const TextFile::Writing writing = TextFile::Write(path, text);
        outcome = !writing.written ? 2 : writing.inPlace ? 0 : 1;
    }
    QCOMPARE(outcome, 0);
    QCOMPARE(ReadBytes(path), Cp1251(text));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"письмо.txt"});
#endif
}

void DocumentCommandsTest::savedCiphertextDecrypts_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("decrypted");  // what the window gives back from the saved file

    QTest::newRow("an emoji inside") << "Привет😀мир, как дела" << "Привет??мир, как дела";
    QTest::newRow("emoji at both ends") << "😀начало и конец😀" << "??начало и конец??";
    QTest::newRow("Greek, one position") << "Ωмега и альфа" << "?мега и альфа";
}

// Encrypted in the window, saved, opened again and decrypted: every position comes back, and a
// character the code page lacks comes back as '?' at each of its positions.
void DocumentCommandsTest::savedCiphertextDecrypts()
{
    QFETCH(QString, plain);
    QFETCH(QString, decrypted);

    QVERIFY(w->Install("73915", "Ключ1"));
    Control<RichTextBox>(*f, "RichTextBox2")->SetText(plain);
    f->EncryptPlainText();
    w->dialogs.chosenFile = Path("шифр.vls");
    f->SaveCipherText();
    QCOMPARE(ReadBytes(Path("шифр.vls")).size(), plain.size());
    f->OpenCipherText();
    f->DecryptCipherText();
    QCOMPARE(Control<RichTextBox>(*f, "RichTextBox2")->Text(), decrypted);
}

void DocumentCommandsTest::dialogProposesOwnKind_data()
{
    QTest::addColumn<QString>("last");      // LastDirectory, in the test's folder
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("proposed");  // the name in the dialog's name field

    QTest::newRow("save cipher after letter.txt") << "letter.txt" << true << "vls" << "letter.vls";
    QTest::newRow("save plain after letter.txt") << "letter.txt" << true << "txt" << "letter.txt";
    QTest::newRow("save plain after letter.vls") << "letter.vls" << true << "txt" << "letter.txt";
    QTest::newRow("open cipher after letter.txt, no letter.vls") << "letter.txt" << false << "vls" << "";
    QTest::newRow("open plain after letter.vls, letter.txt there") << "letter.vls" << false << "txt" << "letter.txt";
    QTest::newRow("a folder") << "" << true << "vls" << "";
}

// The real dialog opens in the last file's folder and never proposes a file of the other kind.
void DocumentCommandsTest::dialogProposesOwnKind()
{
    QFETCH(QString, last);
    QFETCH(bool, save);
    QFETCH(QString, extension);
    QFETCH(QString, proposed);

    QVERIFY(WriteBytes(Path("letter.txt"), "plain"));
    if (last == "letter.vls")
        QVERIFY(WriteBytes(Path("letter.vls"), "cipher"));
    QString shownFolder = QStringLiteral("<no dialog>");
    QString shownName;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shownFolder = dialog->directory().absolutePath();
        if (const auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            shownName = name->text();
        dialog->reject();
    });
    QtUserDialogs dialogs;
    const UserDialogs::FileRequest request{last.isEmpty() ? dir.path() : Path(last), "(файлы)|*." + extension,
                                           extension};
    const QString chosen = save ? dialogs.ChooseFileToSave(f, request) : dialogs.ChooseFileToOpen(f, request);
    QCOMPARE(chosen, QString());
    QCOMPARE(shownFolder, QDir(dir.path()).absolutePath());
    QCOMPARE(shownName, proposed);
}

void DocumentCommandsTest::exportedPdf_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<bool>("onePage");

    QTest::newRow("a letter, the key left out") << 3 << false << true;
    QTest::newRow("a letter, the key ticked") << 3 << true << true;
    QTest::newRow("120 lines over several pages") << 120 << false << false;
}

// «Экспорт в PDF…» writes one A4 landscape PDF with both texts side by side and the rotors; the key only when
// ticked. Read back with pdfinfo and pdftotext.
void DocumentCommandsTest::exportedPdf()
{
    QFETCH(int, lines);
    QFETCH(bool, withKey);
    QFETCH(bool, onePage);

    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdfinfo.isEmpty() || pdftotext.isEmpty())
        QSKIP("poppler-utils (scripts/install-dependencies) reads the PDF back");
    QStringList plain;
    for (int line = 0; line < lines; ++line)
        plain << QStringLiteral("Строка %1: съешь же ещё этих мягких французских булок.").arg(line + 1);
    Control<RichTextBox>(*f, "RichTextBox2")->SetText(plain.join("\r\n"));
    QVERIFY(w->Install("73915", "Ключ1"));
    f->EncryptPlainText();
    const QString cipher = Control<RichTextBox>(*f, "RichTextBox1")->Text();
    const QString path = Path("листок.pdf");
    QVERIFY(f->ExportPdf(path, withKey));
    QVERIFY(ReadBytes(path).startsWith("%PDF-"));

    const auto run = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString info = run(pdfinfo, {path});
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n")).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    QCOMPARE(pages.captured(1).toInt() == 1, onePage);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+84[12](\\.\\d+)? x 595(\\.\\d+)? pts"))),
             qPrintable(info));
    const QString text = run(pdftotext, {"-layout", path, "-"});
    QVERIFY2(text.contains(QStringLiteral("Роторы: 73915")), qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("Ключ1")), withKey);
    QVERIFY(text.contains(plain.last()));
    QVERIFY(text.contains(cipher.split("\r\n").last().left(20)));
}

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
