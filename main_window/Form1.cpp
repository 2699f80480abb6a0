#include "Form1.h"

#include "ApplicationEventLoop.h"
#include "CipherMachine.h"
#include "RotorWindows.h"
#include "FilterKey.h"
#include "FilteredField.h"
#include "InformationWindows.h"
#include "Fonts.h"
#include "LayoutIdentifier.h"
#include "RichTextBox.h"
#include "RotorWindow.h"
#include "RunPacer.h"
#include "StatusBar.h"
#include "TextFile.h"
#include "ThreeDButton.h"
#include "ThreeDPanel.h"
#include "Twips.h"
#include "UserDialogs.h"
#include "VelistaIdentity.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace velista {

const QString Form1::NotInstalled = QStringLiteral("ВНИМАНИЕ!  Роторы НЕ установлены.");
const QString Form1::NotInstalledAfterRotors = QStringLiteral("ВНИМАНИЕ!Рторы НЕ установлены.");
const QString Form1::Installed = QStringLiteral("Роторы  установлены.");
const QString Form1::PlainTextFilter = QStringLiteral("(Все файлы txt  )|*.txt");
const QString Form1::SavePlainTextFilter = QStringLiteral("(Все файлы  расширением .txt )|*.txt");
const QString Form1::CipherTextFilter = QStringLiteral("(Все файлы  расширением .vls )|*.vls");

namespace {

// The frame on each side of the client area, in twips.
constexpr int FrameTwips = 45;
constexpr int ClientWidthTwips = 11310;
constexpr int ClientHeightTwips = 6330;
constexpr int StatusBarTopTwips = 6045;

const char* const TabIndexProperty = "tabIndex";

const QString SampleText = QStringLiteral(
    "Перепоручение секретов машине не всегда эффективно .\r\n"
    "\r\n"
    " Большое количество ключей не всегда помогает .\r\n"
    "\r\n"
    " Атаку можно организовать всегда , если есть представление об исходном тексте .\r\n"
    "\r\n"
    " Нельзя позволять людям самим генерировать ключи .\r\n"
    "\r\n"
    " Управление ключами — слабое звено \r\n"
    "\r\n");

// Puts a control at its designed place (twips) and records its place in the tab order.
template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height, int tabIndex)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsRect(left, top, width, height));
    control->setProperty(TabIndexProperty, tabIndex);
    control->setFont(DesignFont(8.25));
    return control;
}

QIcon Picture(const char* file) { return QIcon(QStringLiteral(":/pictures/%1").arg(QString::fromLatin1(file))); }

QAction* MenuAction(QWidget* owner, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // The shortcuts work wherever the focus is in the window, also while their button is hidden.
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
    return action;
}

void SetColours(QWidget* control, QColor base, QColor text)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Window, base);
    palette.setColor(QPalette::Text, text);
    control->setPalette(palette);
}

}  // namespace

Form1::Form1(CipherMachine& machine, const Platform& platform, UserDialogs& dialogs, const QString& programFolder,
             QWidget* parent)
    : QMainWindow(parent)
    , machine_(machine)
    , platform_(platform)
    , dialogs_(dialogs)
    , lastDirectory_(programFolder)
    , informationWindows_(std::make_unique<InformationWindows>(programFolder, platform.registry, platform.launcher))
{
    InstallFontSubstitutes();
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8(identity::Title));
    setFont(DesignFont(8.25));
    setCentralWidget(new QWidget(this));

    createActions();
    createMenus();
    createTimer();
    createTextAreas();
    createToolStrip();
    createStatusBar();
    createRotorPanel();
    applyTabOrder();
    placeWindow();
    // The help windows open clear of the menu bar, so that its entries stay within reach.
    informationWindows_->KeepClearOf([this] { return QRect(menuBar()->mapToGlobal(QPoint(0, 0)), menuBar()->size()); });
    connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] { quitting_ = true; });

    Form_Load();
}

Form1::~Form1() = default;

void Form1::createActions()
{
    newAction = MenuAction(this, "new", QStringLiteral("Новый текст"), QKeySequence(Qt::CTRL | Qt::Key_F3));
    openAction = MenuAction(this, "open", QStringLiteral("Открыть текст"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    saveTextAction =
        MenuAction(this, "save_text", QStringLiteral("Сохранить текст"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    kjkjAction = MenuAction(this, "kjkj", QStringLiteral("Новый шифротекст"), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    openShifrAction =
        MenuAction(this, "open_shifr", QStringLiteral("Открыть шифротекст"), QKeySequence(Qt::SHIFT | Qt::Key_F4));
    saveShifrAction =
        MenuAction(this, "save_shifr", QStringLiteral("Сохранить шифротекст"), QKeySequence(Qt::SHIFT | Qt::Key_F2));
    vbnAction = MenuAction(this, "vbn", QStringLiteral("Роторы"), QKeySequence(Qt::Key_F8));
    vbnAction->setCheckable(true);
    vbnAction->setChecked(true);
    // A checkable action turns its own mark; the rotor-panel command sets the mark from the width instead.
    connect(vbnAction, &QAction::triggered, this, [this](bool checked) {
        vbnAction->setChecked(!checked);
        ToggleRotorPanel();
    });
    connect(newAction, &QAction::triggered, this, &Form1::NewPlainText);
    connect(openAction, &QAction::triggered, this, &Form1::OpenPlainText);
    connect(saveTextAction, &QAction::triggered, this, &Form1::SavePlainText);
    connect(kjkjAction, &QAction::triggered, this, &Form1::NewCipherText);
    connect(openShifrAction, &QAction::triggered, this, &Form1::OpenCipherText);
    connect(saveShifrAction, &QAction::triggered, this, &Form1::SaveCipherText);
    exitAction = MenuAction(this, "exit", QStringLiteral("Выход"));
    connect(exitAction, &QAction::triggered, this, &Form1::Exit);
    aaaAction = MenuAction(this, "aaa", QString::fromUtf8(identity::Title));
    hhhhAction = MenuAction(this, "hhhh", QStringLiteral("Помощь"));
    aboutAction = MenuAction(this, "about", QStringLiteral("О программе..."));
    connect(aaaAction, &QAction::triggered, this, [this] { informationWindows_->ShowBrowser(); });
    connect(hhhhAction, &QAction::triggered, this, [this] { informationWindows_->ShowHelp(); });
    connect(aboutAction, &QAction::triggered, this, [this] { informationWindows_->ShowAbout(); });
}

void Form1::createMenus()
{
    QMenu* qq = menuBar()->addMenu(QStringLiteral(" Файл "));
    qq->setObjectName("qq");
    qq->addAction(newAction);
    qq->addAction(openAction);
    qq->addAction(saveTextAction);
    qq->addSeparator()->setObjectName("ggghr");
    qq->addAction(kjkjAction);
    qq->addAction(openShifrAction);
    qq->addAction(saveShifrAction);
    qq->addSeparator()->setObjectName("sddsf");
    qq->addAction(vbnAction);
    qq->addSeparator()->setObjectName("ggg");
    qq->addAction(exitAction);

    QMenu* help = menuBar()->addMenu(QStringLiteral(" Помощь "));
    help->setObjectName("help");
    help->addAction(aaaAction);
    help->addAction(hhhhAction);
    help->addAction(aboutAction);
}

void Form1::createTimer()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
}

void Form1::createTextAreas()
{
    QWidget* client = centralWidget();
    SSPanel3 = Place(new ThreeDPanel(client), "SSPanel3", 0, 660, 4065, 5415, 2);
    SSPanel5 = Place(new ThreeDPanel(SSPanel3, QStringLiteral("Открытый текст")), "SSPanel5", 30, 30, 4005, 255, 29);
    RichTextBox2 = Place(new RichTextBox(SSPanel3), "RichTextBox2", 60, 300, 3945, 5055, 3);
    RichTextBox2->setFont(DesignFont(9.75));
    SetColours(RichTextBox2, Qt::white, Qt::black);
    RichTextBox2->SetText(SampleText);
    RichTextBox2->FormatWholeText(DesignFamily, 10);

    SSPanel4 = Place(new ThreeDPanel(client), "SSPanel4", 4080, 660, 4065, 5415, 26);
    RichTextBox1 = Place(new RichTextBox(SSPanel4), "RichTextBox1", 30, 300, 3975, 5055, 27);
    RichTextBox1->setFont(DesignFont(9.75));
    SetColours(RichTextBox1, QColor(255, 224, 192), Qt::black);
    SSPanel6 = Place(new ThreeDPanel(SSPanel4, QStringLiteral("Шифротекст")), "SSPanel6", 30, 30, 4005, 255, 30);
}

void Form1::createToolStrip()
{
    QWidget* client = centralWidget();
    SSPanel2 = Place(new ThreeDPanel(client), "SSPanel2", 30, 0, 8145, 645, 1);
    const auto square = [this](const char* name, int left, int tab, const char* picture, const QString& tooltip,
                               QAction* command) {
        auto* button = Place(new ThreeDButton(SSPanel2, Picture(picture)), name, left, 60, 540, 540, tab);
        button->setToolTip(tooltip);
        if (command)
            connect(button, &QAbstractButton::clicked, command, &QAction::trigger);
        return button;
    };
    SSCommand3 = square("SSCommand3", 60, 9, "new.png", QStringLiteral("Новый текст"), newAction);
    SSCommand2 = square("SSCommand2", 630, 8, "open.png", QStringLiteral("Открыть текст"), openAction);
    SSCommand4 = square("SSCommand4", 1200, 10, "save.png", QStringLiteral("Сохранить текст"), saveTextAction);
    SSCommand9 = Place(new ThreeDButton(SSPanel2, Picture("run-face.png"), QStringLiteral("Шифрование  ")),
                       "SSCommand9", 2190, 60, 1260, 510, 4);
    SSCommand9->hide();
    connect(SSCommand9, &QAbstractButton::clicked, this, &Form1::EncryptPlainText);
    SSCommand8 = square("SSCommand8", 3780, 28, "rotors.png", QStringLiteral("Роторы"), vbnAction);
    SSCommand7 = Place(new ThreeDButton(SSPanel2, Picture("run-face.png"), QStringLiteral("Дешифрация   ")),
                       "SSCommand7", 4710, 60, 1290, 510, 14);
    SSCommand7->hide();
    connect(SSCommand7, &QAbstractButton::clicked, this, &Form1::DecryptCipherText);
    SSCommand5 =
        square("SSCommand5", 6360, 12, "save.png", QStringLiteral("Сохранить шифротекст"), saveShifrAction);
    SSCommand1 = square("SSCommand1", 6960, 11, "open.png", QStringLiteral("Открыть шифротекст"), openShifrAction);
    SSCommand6 = square("SSCommand6", 7530, 13, "new.png", QStringLiteral("Новый шифротекст"), kjkjAction);
}

void Form1::createStatusBar()
{
    StatusBar1 = new StatusBar(this, platform_.keyboard);
    StatusBar1->setProperty(TabIndexProperty, 0);
    setStatusBar(StatusBar1);
}

void Form1::createRotorPanel()
{
    SSPanel1 = Place(new ThreeDPanel(centralWidget()), "SSPanel1", 8190, 0, 3135, 6075, 15);
    const std::array<int, 5> windowTabs = {23, 19, 18, 17, 16};
    const auto rotorWindow = [&](int index, int left) {
        auto* window = Place(new RotorWindow(SSPanel1), "List2", left, 1440, 585, 4515, windowTabs[std::size_t(index)]);
        window->setObjectName(QStringLiteral("List2(%1)").arg(index));
        window->setFont(DesignFont(8.25, true, true));
        SetColours(window, QColor(224, 224, 224), Qt::black);
        window->setEnabled(false);
        for (int line = 0; line < 23; ++line)
            window->AppendLine(QStringLiteral("       "));
        List2[std::size_t(index)] = window;
    };
    const auto field = [&](const char* name, int left, int width, int tab, std::u16string allowed) {
        auto* edit = Place(new FilteredField(SSPanel1, std::move(allowed), platform_.beeper), name, left, 1020,
                           width, 285, tab);
        edit->setMaxLength(5);
        edit->setFont(DesignFont(8.25, true));
        SetColours(edit, Qt::black, QColor(255, 255, 192));
        return edit;
    };
    rotorWindow(0, 90);
    Text4 = field("Text4", 150, 1185, 22, RotorFieldKeys());
    Text5 = field("Text5", 1590, 1335, 21, KeyFieldKeys());
    Text4->setToolTip(QStringLiteral("пять цифр от 0 до 9: роторы для гнёзд 1–5"));
    Text5->setToolTip(QStringLiteral("пять символов алфавита: ключ"));
    rotorWindow(1, 690);
    rotorWindow(2, 1290);
    rotorWindow(3, 1890);
    rotorWindow(4, 2490);
    SSCommand10 = Place(new ThreeDButton(SSPanel1, Picture("install.png"), QStringLiteral("Установить роторы  ")),
                        "SSCommand10", 90, 60, 2955, 555, 20);
    SSCommand10->setEnabled(false);
    Label1 = Place(new QLabel(QStringLiteral("Роторы"), SSPanel1), "Label1", 150, 750, 570, 195, 25);
    Label2 = Place(new QLabel(QStringLiteral("Ключ"), SSPanel1), "Label2", 1590, 750, 390, 195, 24);

    connect(Text4, &QLineEdit::textChanged, this, &Form1::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
    connect(SSCommand10, &QAbstractButton::clicked, this, &Form1::SSCommand10_Click);
}

void Form1::applyTabOrder()
{
    std::vector<QWidget*> order;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->property(TabIndexProperty).isValid() && control->focusPolicy() != Qt::NoFocus)
            order.push_back(control);
    }
    std::sort(order.begin(), order.end(), [](QWidget* a, QWidget* b) {
        return a->property(TabIndexProperty).toInt() < b->property(TabIndexProperty).toInt();
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    if (!order.empty())
        order.front()->setFocus();
}

void Form1::placeWindow()
{
    // Fixed single border: no resizing, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    centralWidget()->setFixedHeight(TwipsToPixels(StatusBarTopTwips));
    setFixedSize(TwipsToPixels(ClientWidthTwips), menuBar()->sizeHint().height() + TwipsToPixels(ClientHeightTwips));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

// Creation: the machine is not installed yet, and the window says so.
void Form1::Form_Load()
{
    machine_.ClearRotorsInstalled();
    machine_.LoadCatalogue(*this);
    ShowRotorState(NotInstalled);
    Yield();
}

void Form1::ClearRotorWindow(int window)
{
    CheckIndex(window, 0, 4);
    List2[std::size_t(window)]->Clear();
}

void Form1::AppendRotorWindowLine(int window, std::u16string_view line)
{
    CheckIndex(window, 0, 4);
    List2[std::size_t(window)]->AppendLine(QString::fromUtf16(line.data(), qsizetype(line.size())));
}

std::optional<std::u16string> Form1::RotorWindowTopLine(int window) const
{
    CheckIndex(window, 0, 4);
    const std::optional<QString> line = List2[std::size_t(window)]->TopLine();
    if (!line)
        return std::nullopt;
    return line->toStdU16String();
}

std::u16string Form1::RotorFieldText() const { return Text4->text().toStdU16String(); }

std::u16string Form1::KeyFieldText() const { return Text5->text().toStdU16String(); }

void Form1::ShowRunButtons()
{
    SSCommand9->show();
    SSCommand7->show();
}

void Form1::ShowCriticalMessage(std::u16string_view text, std::u16string_view title)
{
    dialogs_.Critical(this, QString::fromUtf16(text.data(), qsizetype(text.size())),
                      QString::fromUtf16(title.data(), qsizetype(title.size())));
}

void Form1::Yield() { ApplicationEventLoop::ProcessPendingEvents(); }

bool Form1::RotorsInstalled() const { return machine_.RotorsInstalled(); }

void Form1::ShowRotorState(const QString& text)
{
    StatusBar1->SetPanelText(1, text);
    Yield();
}

void Form1::ShowOperation(const QString& text)
{
    StatusBar1->SetPanelText(2, text);
    Yield();
}

bool Form1::IsRussianLayout() const { return velista::IsRussianLayout(platform_.keyboard.LayoutIdentifier()); }

void Form1::bloc()
{
    SSCommand2->hide();
    SSCommand4->hide();
    SSCommand5->hide();
    SSCommand1->hide();
    SSPanel1->setEnabled(false);
}

void Form1::Rebloc()
{
    SSCommand2->show();
    SSCommand4->show();
    SSCommand5->show();
    SSCommand1->show();
    SSPanel1->setEnabled(true);
}

bool Form1::InstallRotors() { return machine_.InstallRotors(*this); }

int Form1::WidthTwips() const { return width() * TwipsPerPixel + 2 * FrameTwips; }

void Form1::ToggleRotorPanel()
{
    const int width = WidthTwips();
    if (width != WideTwips && width != NarrowTwips)
        return;
    const bool widen = width == NarrowTwips;
    setFixedWidth(TwipsToPixels((widen ? WideTwips : NarrowTwips) - 2 * FrameTwips));
    vbnAction->setChecked(widen);
    Yield();
}

void Form1::Exit()
{
    quitting_ = true;
    informationWindows_->CloseAll();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

// The rule of the run buttons: visible while the rotors are installed and their source area holds text.
void Form1::Timer1_Timer()
{
    if (!RotorsInstalled()) {
        SSCommand9->hide();
        SSCommand7->hide();
    } else {
        SSCommand9->setVisible(!RichTextBox2->IsEmpty());
        SSCommand7->setVisible(!RichTextBox1->IsEmpty());
    }
    StatusBar1->SetPanelText(5, IsRussianLayout() ? QStringLiteral("Ru") : QStringLiteral("En"));
}

// Any change of a field makes the installed bank stale.
void Form1::FieldChanged()
{
    SSCommand9->hide();
    SSCommand7->hide();
    machine_.ClearRotorsInstalled();
    ShowRotorState(NotInstalled);
    Yield();
}

void Form1::Text4_Change()
{
    FieldChanged();
    if (Text4->text().size() == 5)
        Text5->setFocus();
    SSCommand10->setEnabled(Text4->text().size() == 5 && Text5->text().size() == 5);
    ShowRotorState(NotInstalledAfterRotors);
}

void Form1::Text5_Change()
{
    FieldChanged();
    SSCommand10->setEnabled(Text4->text().size() == 5 && Text5->text().size() == 5);
}

void Form1::SSCommand10_Click()
{
    if (!InstallRotors())
        return;
    ShowRotorState(Installed);
    // Disabling the focused button hands the focus on to the key field, which selects its text then; the
    // next key press would replace the key.
    SSCommand10->setEnabled(false);
    Text5->deselect();
    Text5->end(false);
}

void Form1::EncryptPlainText() { Run(Direction::Encrypt); }

void Form1::DecryptCipherText() { Run(Direction::Decrypt); }

void Form1::Run(Direction direction)
{
    const bool encrypt = direction == Direction::Encrypt;
    RichTextBox* source = encrypt ? RichTextBox2 : RichTextBox1;
    RichTextBox* working = encrypt ? RichTextBox1 : RichTextBox2;
    SSCommand9->hide();
    SSCommand7->hide();
    Timer1->stop();
    Yield();
    working->SetText(QString());
    Yield();
    CopyText(source->Text(), working);
    shifr(working);
    ShowOperation(encrypt ? QStringLiteral("Шифрование открытого текста") : QStringLiteral("Дешифрование шифротекста"));
    bloc();
    TransformText(working, direction);
    if (quitting_)
        return;
    InstallRotors();
    Yield();
    SSCommand9->show();
    Yield();
    SSCommand7->show();
    Timer1->start();
    ShowOperation(encrypt ? QStringLiteral("Шифрование выполнено") : QStringLiteral("Дешифрование  выполнено."));
    Rebloc();
    // The hidden buttons passed the focus on, to «Новый текст» or nowhere, where the next Space would
    // erase a text; the area that holds the result takes it.
    working->setFocus();
}

// A long text is set in pieces of whole lines with a yield between them: setting 1 MiB at once keeps the
// window from answering for 50 ms (measured). The text comes from an area, so its breaks are CR LF; a
// piece ends after an LF, so no break is split, and a text without breaks is set in one piece. A command
// that clears or replaces the working area between two pieces ends the copy: the run goes on over what
// the area holds then, and no piece of the old source lands after it.
void Form1::CopyText(const QString& text, RichTextBox* working)
{
    constexpr qsizetype Piece = 128 * 1024;
    bool appending = false;
    bool replaced = false;
    // A change of formatting alone (shifr after a save) removes and adds as many characters as it keeps.
    const QMetaObject::Connection watch =
        connect(working->document(), &QTextDocument::contentsChange, this, [&](int, int removed, int added) {
            if (!appending && removed != added)
                replaced = true;
        });
    const auto unwatch = qScopeGuard([&] { disconnect(watch); });
    qsizetype start = 0;
    while (start < text.size() && !quitting_ && !replaced) {
        const qsizetype lf = text.indexOf(u'\n', start + Piece);
        const qsizetype end = lf < 0 ? text.size() : lf + 1;
        appending = true;
        // The first piece replaces whatever was typed into the area during the run's earlier yields.
        const QString piece = text.mid(start, end - start);
        start == 0 ? working->SetText(piece) : working->AppendText(piece);
        appending = false;
        start = end;
        if (start < text.size())
            Yield();
    }
}

// Slice by slice rather than symbol by symbol: replacing one selected symbol in a text area costs 50 to
// 100 µs and grows with the text (measured), hours for a book. Each slice is read from the working area
// as it is now, transformed with the bank, written back in one edit, and shown with the current symbol
// selected; the bank steps once for every position, whatever stands there.
void Form1::TransformText(RichTextBox* working, Direction direction)
{
    // Every slice is one edit; keeping them for undo would double the memory of a long text.
    working->document()->setUndoRedoEnabled(false);
    RunPacer pacer(working->SymbolCount());
    QElapsedTimer clock;
    clock.start();
    qint32 position = 0;
    while (!quitting_) {
        const qint64 frameStart = clock.elapsed();
        const qint64 sliceStart = clock.nsecsElapsed();
        const qint32 count = working->SymbolCount();
        if (position >= count)
            break;
        const qint32 length = pacer.NextSlice(position, count, working->LineLengthAt(position));
        QString slice = working->TextRange(position, length);
        const std::span<char16_t> symbols(reinterpret_cast<char16_t*>(slice.data()), std::size_t(slice.size()));
        const std::size_t passed = direction == Direction::Encrypt ? EncipherText(machine_.Bank(), symbols, *this)
                                                                   : DecipherText(machine_.Bank(), symbols, *this);
        for (std::size_t i = 0; i < passed; ++i)
            platform_.beeper.Beep();
        working->ReplaceRange(position, length, slice);
        position += length;
        working->SetSelStart(position - 1);
        working->SetSelLength(1);
        pacer.SliceDone(length, double(clock.nsecsElapsed() - sliceStart) / 1e6);
        FinishFrame(clock, frameStart, pacer.MinimumFrameMilliseconds());
    }
    working->document()->setUndoRedoEnabled(true);
}

void Form1::FinishFrame(const QElapsedTimer& clock, qint64 frameStart, int milliseconds)
{
    Yield();
    const qint64 remaining = frameStart + milliseconds - clock.elapsed();
    if (remaining <= 0 || quitting_)
        return;
    // Waiting in an event loop keeps the window answering; Exit() ends this loop with the others.
    QEventLoop frame;
    QTimer::singleShot(int(remaining), &frame, &QEventLoop::quit);
    frame.exec();
}

void Form1::shifr(RichTextBox* box) { box->FormatWholeText(DesignFamily, 10); }

QString Form1::ChooseFile(bool save, const QString& filter, const QString& extension)
{
    const UserDialogs::FileRequest request{lastDirectory_, filter, extension};
    return save ? dialogs_.ChooseFileToSave(this, request) : dialogs_.ChooseFileToOpen(this, request);
}

std::optional<QString> Form1::ReadFile(const QString& path)
{
    TextFile::Reading reading = TextFile::Read(path);
    if (!reading.text)
        dialogs_.Warning(this,
                         QStringLiteral("Файл «%1» не открыт: %2.").arg(QDir::toNativeSeparators(path), reading.error),
                         windowTitle());
    return std::move(reading.text);
}

bool Form1::WriteFile(const QString& path, const QString& text)
{
    const TextFile::Writing writing = TextFile::Write(path, text);
    if (!writing.written) {
        dialogs_.Warning(this,
                         QStringLiteral("Файл «%1» не сохранён: %2.").arg(QDir::toNativeSeparators(path), writing.error),
                         windowTitle());
        return false;
    }
    if (writing.inPlace)
        dialogs_.Warning(this,
                         QStringLiteral("Файл «%1» сохранён поверх прежнего: в его папку нельзя записывать новые "
                                        "файлы, поэтому он записан на месте.")
                             .arg(QDir::toNativeSeparators(path)),
                         windowTitle());
    if (writing.replaced > 0)
        dialogs_.Warning(this,
                         QStringLiteral("Файл «%1» сохранён, но кодировка Windows-1251 вмещает не все знаки текста. "
                                        "Вместо недостающих записан знак «?», по одному на место; их число: %2.")
                             .arg(QDir::toNativeSeparators(path))
                             .arg(writing.replaced),
                         windowTitle());
    return true;
}

// The file is read before anything is cleared, so a file that cannot be read loses no text.
void Form1::OpenPlainText()
{
    const QString path = ChooseFile(false, PlainTextFilter, QStringLiteral("txt"));
    if (!path.isEmpty()) {
        if (std::optional<QString> text = ReadFile(path)) {
            RichTextBox1->SetText(QString());
            RichTextBox2->SetText(QString());
            ShowOperation(QString());
            Yield();
            RichTextBox2->SetText(*text);
            Yield();
            lastDirectory_ = path;
            SSCommand7->hide();
        }
    }
    shifr(RichTextBox2);
}

void Form1::OpenCipherText()
{
    const QString path = ChooseFile(false, CipherTextFilter, QStringLiteral("vls"));
    if (path.isEmpty())
        return;
    std::optional<QString> text = ReadFile(path);
    if (!text)
        return;
    RichTextBox1->SetText(QString());
    RichTextBox2->SetText(QString());
    Yield();
    RichTextBox1->SetText(*text);
    Yield();
    lastDirectory_ = path;
    SSCommand9->hide();
}

void Form1::SavePlainText()
{
    if (RichTextBox2->SymbolCount() < 2)
        return;
    const QString path = ChooseFile(true, SavePlainTextFilter, QStringLiteral("txt"));
    if (!path.isEmpty() && WriteFile(path, RichTextBox2->Text())) {
        Yield();
        lastDirectory_ = path;
        SSCommand7->hide();
    }
    shifr(RichTextBox2);
}

void Form1::SaveCipherText()
{
    if (RichTextBox1->SymbolCount() < 2)
        return;
    const QString path = ChooseFile(true, CipherTextFilter, QStringLiteral("vls"));
    if (!path.isEmpty() && WriteFile(path, RichTextBox1->Text())) {
        Yield();
        lastDirectory_ = path;
    }
    shifr(RichTextBox1);
}

// The area is cleared twice: what was typed into it during the yields goes too.
void Form1::NewPlainText()
{
    SSCommand9->hide();
    RichTextBox2->SetText(QString());
    Yield();
    ShowOperation(QString());
    RichTextBox2->SetText(QString());
    Yield();
}

void Form1::NewCipherText()
{
    RichTextBox1->SetText(QString());
    Yield();
    SSCommand7->hide();
    ShowOperation(QString());
    RichTextBox1->SetText(QString());
    Yield();
}

}  // namespace velista
