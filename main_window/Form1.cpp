// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, built table by table: its actions and menus, text areas, tool strip, rotor panel,
// status bar, tab order and place on the screen.

#include "main_window/Form1.h"

#include "VelistaIdentity.h"
#include "help/InformationWindows.h"
#include "installation/CipherMachine.h"
#include "installation/RotorWindows.h"
#include "machine/FilterKey.h"
#include "main_window/EventLoopClock.h"
#include "main_window/FilteredField.h"
#include "main_window/RichTextBox.h"
#include "main_window/RotorWindow.h"
#include "main_window/RunPacer.h"
#include "main_window/StatusBar.h"
#include "main_window/TextFile.h"
#include "main_window/ThreeDButton.h"
#include "main_window/ThreeDPanel.h"
#include "main_window/UserDialogs.h"
#include "platform/LayoutIdentifier.h"
#include "window_kit/CoreText.h"
#include "window_kit/DesignZoom.h"
#include "window_kit/Fonts.h"
#include "window_kit/ScreenFit.h"
#include "window_kit/Twips.h"
#include "window_kit/WindowZoom.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace velista {

const QString Form1::NotInstalled = QString::fromUtf8(QT_TRANSLATE_NOOP("velista::Form1", "ВНИМАНИЕ!  Роторы НЕ установлены."));
// «Рторы», with its missing letter and no blank after «!», is kept on purpose: after an edit of the rotor
// field the designed program shows exactly this text, and the window shows what the design shows.
const QString Form1::NotInstalledAfterRotors = QString::fromUtf8(QT_TRANSLATE_NOOP("velista::Form1", "ВНИМАНИЕ!Рторы НЕ установлены."));
const QString Form1::Installed = QString::fromUtf8(QT_TRANSLATE_NOOP("velista::Form1", "Роторы  установлены."));
const QString Form1::PlainTextFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("velista::Form1", "(Все файлы txt  )|*.txt"));
const QString Form1::SavePlainTextFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("velista::Form1", "(Все файлы  расширением .txt )|*.txt"));
const QString Form1::CipherTextFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("velista::Form1", "(Все файлы  расширением .vls )|*.vls"));

namespace {


const char* const TabIndexProperty = "tabIndex";

const char* const SampleText = QT_TRANSLATE_NOOP("velista::Form1",
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

// Puts a control at its designed place (twips) with the design's font, both recorded for the zoom, and
// records its place in the tab order.
template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height, int tabIndex)
{
    control->setObjectName(QString::fromLatin1(name));
    PlaceDesigned(control, QRect(left, top, width, height));
    control->setProperty(TabIndexProperty, tabIndex);
    SetDesignFont(control, DesignFont(8.25));
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
    : Form1(machine, platform, dialogs, programFolder, std::make_unique<WindowZoom>(), nullptr, parent)
{
}

Form1::Form1(CipherMachine& machine, const Platform& platform, UserDialogs& dialogs, const QString& programFolder,
             WindowZoom& zoom, QWidget* parent)
    : Form1(machine, platform, dialogs, programFolder, nullptr, &zoom, parent)
{
}

Form1::Form1(CipherMachine& machine, const Platform& platform, UserDialogs& dialogs, const QString& programFolder,
             std::unique_ptr<WindowZoom> ownZoom, WindowZoom* zoom, QWidget* parent)
    : QMainWindow(parent)
    , machine_(machine)
    , platform_(platform)
    , dialogs_(dialogs)
    , lastDirectory_(programFolder)
    , informationWindows_(std::make_unique<InformationWindows>(programFolder, platform.registry, platform.launcher))
    , ownZoom_(std::move(ownZoom))
    , zoom_(zoom != nullptr ? zoom : ownZoom_.get())
    , ownClock_(std::make_unique<EventLoopClock>())
    , clock_(ownClock_.get())
{
    InstallFontSubstitutes();
    setObjectName("Form1");
    setWindowTitle(CoreText(IdentityContext, QString::fromUtf8(identity::Title)));
    SetDesignFont(this, DesignFont(8.25));
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);

    CreateActions();
    CreateMenus();
    CreateTimer();
    CreateTextAreas();
    CreateToolStrip();
    CreateStatusBar();
    CreateRotorPanel();
    ApplyTabOrder();
    CreateAccessibility();
    PlaceWindow();
    // The help windows open clear of the menu bar, so that its entries stay within reach.
    informationWindows_->KeepClearOf([this] { return QRect(menuBar()->mapToGlobal(QPoint(0, 0)), menuBar()->size()); });
    informationWindows_->FollowZoom(zoom_);
    connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] { quitting_ = true; });
    ConnectAnalysis();

    Form_Load();
}

Form1::~Form1() = default;

void Form1::CreateActions()
{
    newAction = MenuAction(this, "new", tr("Новый текст"), QKeySequence(Qt::CTRL | Qt::Key_F3));
    openAction = MenuAction(this, "open", tr("Открыть текст"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    saveTextAction =
        MenuAction(this, "save_text", tr("Сохранить текст"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    kjkjAction = MenuAction(this, "kjkj", tr("Новый шифротекст"), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    openShifrAction =
        MenuAction(this, "open_shifr", tr("Открыть шифротекст"), QKeySequence(Qt::SHIFT | Qt::Key_F4));
    saveShifrAction =
        MenuAction(this, "save_shifr", tr("Сохранить шифротекст"), QKeySequence(Qt::SHIFT | Qt::Key_F2));
    vbnAction = MenuAction(this, "vbn", tr("Роторы"), QKeySequence(Qt::Key_F8));
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
    exitAction = MenuAction(this, "exit", tr("Выход"));
    connect(exitAction, &QAction::triggered, this, &Form1::Exit);
    aaaAction = MenuAction(this, "aaa", CoreText(IdentityContext, QString::fromUtf8(identity::Title)));
    hhhhAction = MenuAction(this, "hhhh", tr("Помощь"));
    aboutAction = MenuAction(this, "about", tr("О программе..."));
    connect(aaaAction, &QAction::triggered, this, [this] { informationWindows_->ShowBrowser(); });
    connect(hhhhAction, &QAction::triggered, this, [this] { informationWindows_->ShowHelp(); });
    connect(aboutAction, &QAction::triggered, this, [this] { informationWindows_->ShowAbout(); });
}

void Form1::CreateMenus()
{
    QMenu* qq = menuBar()->addMenu(tr(" Файл "));
    qq->setObjectName("qq");
    qq->addAction(newAction);
    qq->addAction(openAction);
    qq->addAction(saveTextAction);
    qq->addSeparator()->setObjectName("ggghr");
    qq->addAction(kjkjAction);
    qq->addAction(openShifrAction);
    qq->addAction(saveShifrAction);
    CreateExportAction(qq);
    qq->addSeparator()->setObjectName("sddsf");
    qq->addAction(vbnAction);
    qq->addSeparator()->setObjectName("ggg");
    qq->addAction(exitAction);

    CreateTeachingMenu();
    CreateViewMenu();

    QMenu* help = menuBar()->addMenu(tr(" Помощь "));
    help->setObjectName("help");
    help->addAction(aaaAction);
    help->addAction(hhhhAction);
    help->addAction(aboutAction);
}

void Form1::CreateTimer()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
}

void Form1::CreateTextAreas()
{
    QWidget* client = centralWidget();
    SSPanel3 = Place(new ThreeDPanel(client), "SSPanel3", 0, 660, 4065, 5415, 2);
    SSPanel5 = Place(new ThreeDPanel(SSPanel3, tr("Открытый текст")), "SSPanel5", 30, 30, 4005, 255, 29);
    RichTextBox2 = Place(new RichTextBox(SSPanel3), "RichTextBox2", 60, 300, 3945, 5055, 3);
    SetDesignFont(RichTextBox2, DesignFont(9.75));
    SetColours(RichTextBox2, Qt::white, Qt::black);
    RichTextBox2->SetText(tr(SampleText));
    RichTextBox2->FormatWholeText(DesignFamily, 10);

    SSPanel4 = Place(new ThreeDPanel(client), "SSPanel4", 4080, 660, 4065, 5415, 26);
    RichTextBox1 = Place(new RichTextBox(SSPanel4), "RichTextBox1", 30, 300, 3975, 5055, 27);
    SetDesignFont(RichTextBox1, DesignFont(9.75));
    SetColours(RichTextBox1, QColor(255, 224, 192), Qt::black);
    SSPanel6 = Place(new ThreeDPanel(SSPanel4, tr("Шифротекст")), "SSPanel6", 30, 30, 4005, 255, 30);
}

void Form1::CreateToolStrip()
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
    SSCommand3 = square("SSCommand3", 60, 9, "new.png", tr("Новый текст"), newAction);
    SSCommand2 = square("SSCommand2", 630, 8, "open.png", tr("Открыть текст"), openAction);
    SSCommand4 = square("SSCommand4", 1200, 10, "save.png", tr("Сохранить текст"), saveTextAction);
    SSCommand9 = Place(new ThreeDButton(SSPanel2, Picture("run-face.png"), tr("Шифрование  ")),
                       "SSCommand9", 2190, 60, 1260, 510, 4);
    SSCommand9->hide();
    connect(SSCommand9, &QAbstractButton::clicked, this, &Form1::EncryptPlainText);
    SSCommand8 = square("SSCommand8", 3780, 28, "rotors.png", tr("Роторы"), vbnAction);
    SSCommand7 = Place(new ThreeDButton(SSPanel2, Picture("run-face.png"), tr("Дешифрация   ")),
                       "SSCommand7", 4710, 60, 1290, 510, 14);
    SSCommand7->hide();
    connect(SSCommand7, &QAbstractButton::clicked, this, &Form1::DecryptCipherText);
    SSCommand5 =
        square("SSCommand5", 6360, 12, "save.png", tr("Сохранить шифротекст"), saveShifrAction);
    SSCommand1 = square("SSCommand1", 6960, 11, "open.png", tr("Открыть шифротекст"), openShifrAction);
    SSCommand6 = square("SSCommand6", 7530, 13, "new.png", tr("Новый шифротекст"), kjkjAction);
}

void Form1::CreateStatusBar()
{
    StatusBar1 = new StatusBar(this, platform_.keyboard);
    StatusBar1->setProperty(TabIndexProperty, 0);
    setStatusBar(StatusBar1);
}

void Form1::CreateRotorPanel()
{
    SSPanel1 = Place(new ThreeDPanel(centralWidget()), "SSPanel1", 8190, 0, 3135, 6075, 15);
    const std::array<int, 5> windowTabs = {23, 19, 18, 17, 16};
    const auto rotorWindow = [&](int index, int left) {
        auto* window = Place(new RotorWindow(SSPanel1), "List2", left, 1440, 585, 4515, windowTabs[std::size_t(index)]);
        window->setObjectName(QStringLiteral("List2(%1)").arg(index));
        SetDesignFont(window, DesignFont(8.25, true, true));
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
        SetDesignFont(edit, DesignFont(8.25, true));
        SetColours(edit, Qt::black, QColor(255, 255, 192));
        return edit;
    };
    rotorWindow(0, 90);
    Text4 = field("Text4", 150, 1185, 22, RotorFieldKeys());
    Text5 = field("Text5", 1590, 1335, 21, KeyFieldKeys());
    Text4->setToolTip(tr("пять цифр от 0 до 9: роторы для гнёзд 1–5"));
    Text5->setToolTip(tr("пять символов алфавита: ключ"));
    rotorWindow(1, 690);
    rotorWindow(2, 1290);
    rotorWindow(3, 1890);
    rotorWindow(4, 2490);
    SSCommand10 = Place(new ThreeDButton(SSPanel1, Picture("install.png"), tr("Установить роторы  ")),
                        "SSCommand10", 90, 60, 2955, 555, 20);
    SSCommand10->setEnabled(false);
    Label1 = Place(new QLabel(tr("Роторы"), SSPanel1), "Label1", 150, 750, 570, 195, 25);
    Label2 = Place(new QLabel(tr("Ключ"), SSPanel1), "Label2", 1590, 750, 390, 195, 24);

    connect(Text4, &QLineEdit::textChanged, this, &Form1::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
    connect(SSCommand10, &QAbstractButton::clicked, this, &Form1::SSCommand10_Click);
}

void Form1::ApplyTabOrder()
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

void Form1::PlaceWindow()
{
    // Fixed single border: no resizing, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        SetDesignFont(menu, menu->font());
    ZoomChanged(zoom_->Factor());
    connect(zoom_, &WindowZoom::Changed, this, &Form1::ZoomChanged);
    // Centred on the screen; a window zoomed larger than the screen fills its available area.
    FitOnScreen(*this, QGuiApplication::primaryScreen());
}

// Creation: the machine is not installed yet, and the window says so.
void Form1::Form_Load()
{
    machine_.ClearRotorsInstalled();
    machine_.LoadCatalogue(*this);
    ShowRotorState(Translated(NotInstalled));
    Yield();
}

int Form1::WidthTwips() const
{
    // Zoomed, or capped by a small screen, the window stands for the width the switch chose as long as it
    // keeps the width it was fitted to; any other width is read as it stands.
    if (width() == fittedWidth_)
        return designWidthTwips_;
    return width() * TwipsPerPixel + 2 * FrameTwips;
}

// The rotor panel switch: the window widens to show the rotor panel or narrows to hide it.
void Form1::ToggleRotorPanel()
{
    const int width = WidthTwips();
    if (width != WideTwips && width != NarrowTwips)
        return;
    const bool widen = width == NarrowTwips;
    designWidthTwips_ = widen ? WideTwips : NarrowTwips;
    FitWindow();
    // Outside the narrow window the panel's controls must not keep or take the keyboard focus.
    SSPanel1->setVisible(widen);
    KeepFocusUsable();
    vbnAction->setChecked(widen);
    Yield();
}

}  // namespace velista
