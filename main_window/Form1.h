// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: tool strip, the plain-text and ciphertext areas, the rotor panel with the rotor
// windows and the rotor and key fields, the menu and the status bar; the window the machine works in.

#include "installation/MachineWindow.h"
#include "main_window/RunHistory.h"
#include "main_window/RunSpeed.h"
#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstddef>
#include <memory>
#include <span>

class QAction;
class QActionGroup;
class QElapsedTimer;
class QLabel;
class QMenu;
class QScreen;
class QScrollArea;
class QTimer;

namespace velista {

class AnalysisWindow;
class CipherMachine;
class FilteredField;
class InformationWindows;
class InterfaceLanguage;
class RichTextBox;
class RotorWindow;
class RunClock;
class RunPacer;
class SymbolPathWindow;
class StatusBar;
class ThreeDButton;
class ThreeDPanel;
class UserDialogs;
class WindowZoom;

class Form1 : public QMainWindow, public MachineWindow {
    Q_OBJECT

public:
    static constexpr int WideTwips = 11400;
    static constexpr int NarrowTwips = 8220;
    // The frame on each side of the client area; the client area's height with the status bar, and the
    // status bar's top in it.
    static constexpr int FrameTwips = 45;
    static constexpr int ClientHeightTwips = 6330;
    static constexpr int StatusBarTopTwips = 6045;

    static const QString NotInstalled;            // "ВНИМАНИЕ!  Роторы НЕ установлены."
    static const QString NotInstalledAfterRotors;  // the text that stays after an edit of the rotor field
    static const QString Installed;               // "Роторы  установлены."
    static const QString PlainTextFilter;         // the four file dialogs' filters
    static const QString SavePlainTextFilter;
    static const QString CipherTextFilter;
    // One of the texts above in the interface's language.
    static QString Translated(const QString& designed);

    // Builds the window and runs its creation handler; programFolder is where the program lives.
    // The window keeps a zoom of its own, at 100 %, that nothing stores.
    Form1(CipherMachine& machine, const Platform& platform, UserDialogs& dialogs, const QString& programFolder,
          QWidget* parent = nullptr);
    // The program's zoom, which every window follows; it must outlive the window.
    Form1(CipherMachine& machine, const Platform& platform, UserDialogs& dialogs, const QString& programFolder,
          WindowZoom& zoom, QWidget* parent = nullptr);
    ~Form1() override;

    // What the machine does to the window.
    void ClearRotorWindow(int window) override;
    void AppendRotorWindowLine(int window, std::u16string_view line) override;
    std::optional<std::u16string> RotorWindowTopLine(int window) const override;
    std::u16string RotorFieldText() const override;
    std::u16string KeyFieldText() const override;
    void ShowRunButtons() override;
    void ShowCriticalMessage(std::u16string_view text, std::u16string_view title) override;
    // Adds «Язык / Language» to the menu " Вид "; spoken is the language the windows speak now, which
    // the help windows' pages follow. The language must outlive the window.
    void ShowLanguageMenu(InterfaceLanguage& language, QLocale::Language spoken);
    void Yield() override;
    bool Stopping() const override { return quitting_; }

    // The window's state and its status writers.
    bool RotorsInstalled() const;
    void ShowRotorState(const QString& text);
    void ShowOperation(const QString& text);
    bool IsRussianLayout() const;
    void bloc();
    void Rebloc();

    bool InstallRotors();
    void ToggleRotorPanel();

    // The runs: the source area's text is copied into the working area and turned into the result there.
    void EncryptPlainText();
    void DecryptCipherText();
    // Gives an area's whole text the standard format, "MS Sans Serif" at 10 points.
    void shifr(RichTextBox* box);

    // The document commands of the tool strip and the menu " Файл ".
    void OpenPlainText();
    void NewPlainText();
    void SavePlainText();
    void OpenCipherText();
    void NewCipherText();
    void SaveCipherText();
    // "Экспорт в PDF…": the plain text and the ciphertext side by side with the rotors, and the key only when
    // withKey; false, after saying why, when the file could not be written.
    bool ExportPdf(const QString& path, bool withKey);
    // The outer width of the window: its client width and a 45-twip frame on each side.
    int WidthTwips() const;

    QString LastDirectory() const { return lastDirectory_; }

    // "Выход": every window closes and the program ends, also in the middle of an installation.
    void Exit();

    // The menu " Обучение ": how fast a run goes, a pause, single steps and the path window.
    RunSpeed Speed() const { return speed_; }
    // Takes effect at once, also in the middle of a run.
    void SetSpeed(RunSpeed speed);
    bool Paused() const { return paused_; }
    // "Пауза" / "Продолжить": pauses a run between two positions, or lets it go on.
    void TogglePause();
    // "Шаг": pauses the run if it goes, then makes exactly one position.
    void Step();
    // "Шаг назад" (Shift+F6): pauses the run if it goes, then takes back the last position made, as far back
    // as the run's start; with nothing to take back, the system beep.
    void StepBack();
    // "Путь символа": opens the one path window, or brings it to the front.
    void ShowPathWindow();
    // The path window once it was opened, else nullptr.
    SymbolPathWindow* PathWindow() const { return pathWindow_; }
    // "Криптоанализ", disabled until the analysis window enables it and connects to it.
    QAction* CryptanalysisAction() const { return cryptanalysisAction; }
    // The clock a run keeps its pace by; it must outlive the window. Tests give one that they drive.
    void SetRunClock(RunClock& clock) { clock_ = &clock; }
    // "Криптоанализ" (F9): opens the one analysis window, or brings it to the front.
    void OpenAnalysis();
    // The analysis window once it was opened, else nullptr.
    AnalysisWindow* Analysis() const { return analysisWindow_; }

    // The menu " Вид ": the program's zoom, "Крупнее" (Ctrl+=), "Мельче" (Ctrl+−), "Обычный размер" (Ctrl+0).
    WindowZoom& Zoom() const { return *zoom_; }
    // The designed client area above the status bar. It is the central widget while the zoomed window fits
    // on its screen, and scrolls inside the central widget where it does not.
    QWidget* Client() const { return client_; }

    // A run's state for a screen reader, as status panel 2 describes it: "шифрование, позиция 12 из 300,
    // пауза"; empty while no run goes.
    QString RunStateText() const;

protected:
    // The path and analysis windows belong to this window: they close with it, so the program ends.
    void closeEvent(QCloseEvent* event) override;
    // Once shown, the platform may tell the frame's real margins, which the fit before could only guess.
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateTextAreas();
    void CreateToolStrip();
    void CreateRotorPanel();
    void CreateStatusBar();
    void CreateTimer();
    void ApplyTabOrder();
    // Accessible names and descriptions, label buddies, the rotor windows' screen-reader view, F1.
    void CreateAccessibility();
    void ConnectAnalysis();
    void PlaceWindow();
    void CreateViewMenu();
    // Every designed size and font at the zoom's factor, the window fitted to its screen.
    void ZoomChanged(double factor);
    // The window's fixed size at the zoom for its designed width; on a screen too small for it, the size
    // of the screen's available area, with the client area scrolling inside.
    void FitWindow();
    // Opens a teaching window that follows the zoom: wholly on the main window's screen the first time.
    void ShowTeachingWindow(QWidget* window, bool first);
    // The screen the window is on.
    const QScreen* OnScreen() const;
    void Form_Load();

    void Timer1_Timer();
    void Text4_Change();
    void Text5_Change();
    void FieldChanged();
    void SSCommand10_Click();

    enum class Direction { Encrypt, Decrypt };
    void Run(Direction direction);
    void CopyText(const QString& text, RichTextBox* working);
    // A command is about to clear or replace this area: a run writing there ends first, paused or not,
    // so that what the command puts there stands as it is.
    void EndRunWriting(RichTextBox* area);
    void TransformText(RichTextBox* working, Direction direction);
    // Yields, then lets the events run until the frame that started at frameStart has lasted as long as
    // the pacer asks at the present speed; a pause or a step ends the frame at once.
    void FinishFrame(qint64 frameStart, RunPacer& pacer);

    void CreateTeachingMenu();
    // "Экспорт в PDF…" in the menu " Файл ": a box asks whether the key goes in, then where the file goes.
    void CreateExportAction(QMenu* menu);
    void ChooseAndExportPdf();
    // Around the loop of a run: the pause and the step can be used, the path window follows the run.
    void SetWatchedRun(bool running);
    // Waits while the run is paused and no step is asked for; true when it waited.
    bool WaitWhilePaused();
    // True, once, when a step was asked for.
    bool TakeStep();
    // Takes back the positions asked for: the bank restored, the area's characters given back, the rotor
    // windows, the counters and the path window shown as they were. position becomes the first taken back.
    void TakeStepsBack(RichTextBox* working, qint32& position, Direction direction);
    // The path window shows the last position the run has made, or the run's start.
    void ShowLastRunPath(Direction direction);
    // Transforms a slice that starts at position; with the path window open, its last symbol's path is
    // taken before the bank moves for it. Returns how many characters passed unchanged.
    std::size_t TransformSlice(std::span<char16_t> slice, qint32 position, Direction direction);
    // The path window saves through this window's dialogs, and traces the text of the area a run would read.
    void ConnectPathSaving();
    // The path window's bank when no run goes: the installed bank, or none.
    void UpdatePathWindowBank();
    // Status panel 2 describes the run's state; now, or at most every half second while the run goes.
    void TellRunState(bool now);
    // A run hides the run buttons and the file buttons and disables the rotor panel: the focus leaves them
    // for the working area first, and comes back to where it was afterwards if that can take it.
    void MoveFocusForRun(RichTextBox* working);
    void RestoreFocusAfterRun(RichTextBox* working);
    // The focus never stays on a control that is hidden or disabled.
    void KeepFocusUsable();

    // Reads a file into an area; a file that cannot be read leaves both areas as they are and says why.
    std::optional<QString> ReadFile(const QString& path);
    // Saves an area's text; false, after saying why, when the file could not be written.
    bool WriteFile(const QString& path, const QString& text);
    QString ChooseFile(bool save, const QString& filter, const QString& extension);

    Form1(CipherMachine& machine, const Platform& platform, UserDialogs& dialogs, const QString& programFolder,
          std::unique_ptr<WindowZoom> ownZoom, WindowZoom* zoom, QWidget* parent);

    // The controls, by their designed names, which are also their objectNames: code outside the window
    // finds a control through findChild by that name.
    QTimer* Timer1 = nullptr;
    ThreeDPanel* SSPanel1 = nullptr;
    ThreeDPanel* SSPanel2 = nullptr;
    ThreeDPanel* SSPanel3 = nullptr;
    ThreeDPanel* SSPanel4 = nullptr;
    ThreeDPanel* SSPanel5 = nullptr;
    ThreeDPanel* SSPanel6 = nullptr;
    RichTextBox* RichTextBox1 = nullptr;
    RichTextBox* RichTextBox2 = nullptr;
    ThreeDButton* SSCommand1 = nullptr;
    ThreeDButton* SSCommand2 = nullptr;
    ThreeDButton* SSCommand3 = nullptr;
    ThreeDButton* SSCommand4 = nullptr;
    ThreeDButton* SSCommand5 = nullptr;
    ThreeDButton* SSCommand6 = nullptr;
    ThreeDButton* SSCommand7 = nullptr;
    ThreeDButton* SSCommand8 = nullptr;
    ThreeDButton* SSCommand9 = nullptr;
    ThreeDButton* SSCommand10 = nullptr;
    std::array<RotorWindow*, 5> List2{};
    FilteredField* Text4 = nullptr;
    FilteredField* Text5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    StatusBar* StatusBar1 = nullptr;

    // The menu entries, each the one action of its command, shared with its button; their objectNames are
    // the designed names in the comments.
    QAction* newAction = nullptr;        // new
    QAction* openAction = nullptr;       // open
    QAction* saveTextAction = nullptr;   // save_text
    QAction* kjkjAction = nullptr;       // kjkj
    QAction* openShifrAction = nullptr;  // open_shifr
    QAction* saveShifrAction = nullptr;  // save_shifr
    QAction* vbnAction = nullptr;        // vbn
    QAction* exitAction = nullptr;       // exit
    QAction* aaaAction = nullptr;        // aaa
    QAction* hhhhAction = nullptr;       // hhhh
    QAction* aboutAction = nullptr;      // about
    QMenu* teachingMenu = nullptr;
    QActionGroup* speedGroup = nullptr;
    QAction* oneSymbolAction = nullptr;      // "1 символ в секунду"
    QAction* tenSymbolsAction = nullptr;     // "10 символов в секунду"
    QAction* normalSpeedAction = nullptr;    // "Обычная скорость"
    QAction* noDelayAction = nullptr;        // "Без задержек"
    QAction* pauseAction = nullptr;          // "Пауза" / "Продолжить"
    QAction* stepAction = nullptr;           // "Шаг"
    QAction* stepBackAction = nullptr;       // "Шаг назад"
    QAction* pathAction = nullptr;           // "Путь символа"
    QAction* cryptanalysisAction = nullptr;  // "Криптоанализ"
    QAction* helpKeyAction = nullptr;        // F1: the help page «Справка», as "Помощь" opens it
    QMenu* viewMenu = nullptr;
    QMenu* languageMenu = nullptr;  // «Язык / Language», once ShowLanguageMenu has added it

    CipherMachine& machine_;
    Platform platform_;
    UserDialogs& dialogs_;
    QString lastDirectory_;
    std::unique_ptr<InformationWindows> informationWindows_;
    bool quitting_ = false;
    std::unique_ptr<WindowZoom> ownZoom_;
    WindowZoom* zoom_;
    QWidget* client_ = nullptr;
    QScrollArea* scroller_ = nullptr;  // only while the zoomed window is larger than its screen
    int designWidthTwips_ = WideTwips;  // the outer width the rotor-panel switch last chose
    int fittedWidth_ = 0;               // the width FitWindow gave the window for it

    RunSpeed speed_ = RunSpeed::Normal;
    bool running_ = false;
    bool paused_ = false;
    bool stepPending_ = false;
    int stepsBackPending_ = 0;
    RunHistory history_;
    RichTextBox* runArea_ = nullptr;  // the area a run writes, from its first step to its last
    bool runEnded_ = false;           // a command took the run's area: it stops where it stands
    bool startPaused_ = false;        // F6 with no run going: the run makes one position and pauses
    QString pausedOperation_;         // status panel 2 before it said «Пауза»
    qint32 runPosition_ = 0;          // positions made, of runCount_
    qint32 runCount_ = 0;
    QElapsedTimer runStateTold_;
    QPointer<QWidget> focusBeforeRun_;
    std::unique_ptr<RunClock> ownClock_;
    RunClock* clock_ = nullptr;
    SymbolPathWindow* pathWindow_ = nullptr;  // a child window: goes with the main window
    AnalysisWindow* analysisWindow_ = nullptr;  // a child window: goes with the main window
};

}  // namespace velista
