// SPDX-License-Identifier: GPL-3.0-or-later
// The menu " Обучение " of the main window: the run's speed, the pause and single steps, and the path
// window that follows the run.

#include "main_window/Form1.h"

#include "installation/CipherMachine.h"
#include "installation/RotorWindows.h"
#include "main_window/FilteredField.h"
#include "main_window/RunClock.h"
#include "main_window/RunPacer.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "path_window/PathSnapshot.h"
#include "path_window/SymbolPathWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace velista {

namespace {

const char* const PauseCaption = QT_TRANSLATE_NOOP("velista::Form1", "Пауза");
const char* const ResumeCaption = QT_TRANSLATE_NOOP("velista::Form1", "Продолжить");

}  // namespace

void Form1::CreateTeachingMenu()
{
    const auto entry = [this](const char* name, const QString& caption, const QKeySequence& shortcut) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    speedGroup = new QActionGroup(this);
    speedGroup->setObjectName("speedGroup");
    speedGroup->setExclusive(true);
    const auto speed = [&](const char* name, const QString& caption, Qt::Key key, RunSpeed chosen) {
        QAction* action = entry(name, caption, QKeySequence(Qt::CTRL | key));
        action->setCheckable(true);
        action->setChecked(chosen == speed_);
        speedGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, chosen] { SetSpeed(chosen); });
        return action;
    };
    oneSymbolAction = speed("oneSymbolAction", tr("1 символ в секунду"), Qt::Key_1, RunSpeed::OnePerSecond);
    tenSymbolsAction =
        speed("tenSymbolsAction", tr("10 символов в секунду"), Qt::Key_2, RunSpeed::TenPerSecond);
    normalSpeedAction = speed("normalSpeedAction", tr("Обычная скорость"), Qt::Key_3, RunSpeed::Normal);
    noDelayAction = speed("noDelayAction", tr("Без задержек"), Qt::Key_4, RunSpeed::NoDelay);

    pauseAction = entry("pauseAction", tr(PauseCaption), QKeySequence(Qt::Key_F5));
    pauseAction->setEnabled(false);
    connect(pauseAction, &QAction::triggered, this, &Form1::TogglePause);
    stepAction = entry("stepAction", tr("Шаг"), QKeySequence(Qt::Key_F6));
    stepAction->setEnabled(false);
    connect(stepAction, &QAction::triggered, this, &Form1::Step);
    stepBackAction = entry("stepBackAction", tr("Шаг назад"), QKeySequence(Qt::SHIFT | Qt::Key_F6));
    stepBackAction->setEnabled(false);
    connect(stepBackAction, &QAction::triggered, this, &Form1::StepBack);
    pathAction = entry("pathAction", tr("Путь символа"), QKeySequence(Qt::Key_F7));
    connect(pathAction, &QAction::triggered, this, &Form1::ShowPathWindow);
    cryptanalysisAction = entry("cryptanalysisAction", tr("Криптоанализ"), QKeySequence(Qt::Key_F9));
    cryptanalysisAction->setEnabled(false);

    teachingMenu = menuBar()->addMenu(tr(" Обучение "));
    teachingMenu->setObjectName("teaching");
    teachingMenu->addActions(speedGroup->actions());
    teachingMenu->addSeparator()->setObjectName("speedSeparator");
    teachingMenu->addAction(pauseAction);
    teachingMenu->addAction(stepAction);
    teachingMenu->addAction(stepBackAction);
    teachingMenu->addSeparator()->setObjectName("stepSeparator");
    teachingMenu->addAction(pathAction);
    teachingMenu->addAction(cryptanalysisAction);

    // A paused run waits without end: closing the last window must end that wait too.
    connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] { clock_->Wake(); });
}

void Form1::SetSpeed(RunSpeed speed)
{
    speed_ = speed;
    for (QAction* action : {oneSymbolAction, tenSymbolsAction, normalSpeedAction, noDelayAction})
        action->setChecked(false);
    switch (speed) {
    case RunSpeed::OnePerSecond:
        oneSymbolAction->setChecked(true);
        break;
    case RunSpeed::TenPerSecond:
        tenSymbolsAction->setChecked(true);
        break;
    case RunSpeed::Normal:
        normalSpeedAction->setChecked(true);
        break;
    case RunSpeed::NoDelay:
        noDelayAction->setChecked(true);
        break;
    }
    clock_->Wake();
}

void Form1::TogglePause()
{
    if (!running_)
        return;
    paused_ = !paused_;
    pauseAction->setText(paused_ ? tr(ResumeCaption) : tr(PauseCaption));
    // The status bar says so while the run waits, and gives the run's text back when it goes on.
    if (paused_) {
        pausedOperation_ = StatusBar1->PanelText(2);
        StatusBar1->SetPanelText(2, tr(PauseCaption));
    } else {
        StatusBar1->SetPanelText(2, pausedOperation_);
    }
    TellRunState(true);
    clock_->Wake();
}

void Form1::Step()
{
    if (!running_) {
        // With no run going, F6 starts the run that the visible run button offers, paused after one position.
        if (runArea_)
            return;  // a run is starting
        ThreeDButton* run = !SSCommand9->isHidden() ? SSCommand9 : !SSCommand7->isHidden() ? SSCommand7 : nullptr;
        if (!run)
            return;
        startPaused_ = true;
        run == SSCommand9 ? EncryptPlainText() : DecryptCipherText();
        startPaused_ = false;
        return;
    }
    if (!paused_)
        TogglePause();
    stepPending_ = true;
    clock_->Wake();
}

void Form1::ShowPathWindow()
{
    const bool first = pathWindow_ == nullptr;
    if (first) {
        pathWindow_ = new SymbolPathWindow(this);
        pathWindow_->SetRunning(running_);
        // The speeds, the pause and the step answer their keys in the path window too, where a student
        // watching a run has the focus.
        pathWindow_->addActions(speedGroup->actions());
        pathWindow_->addActions({pauseAction, stepAction, stepBackAction});
        // With no run going, the window follows installations and turns of the bank as the timer sees them.
        connect(Timer1, &QTimer::timeout, pathWindow_, [this] { UpdatePathWindowBank(); });
        ConnectPathSaving();
    }
    ShowTeachingWindow(pathWindow_, first);
    UpdatePathWindowBank();
    pathWindow_->raise();
    pathWindow_->activateWindow();
}

void Form1::UpdatePathWindowBank()
{
    if (!pathWindow_ || !pathWindow_->isVisible())
        return;
    if (RotorsInstalled())
        pathWindow_->SetBank(&machine_.Bank(), Text5->text().toStdU16String());
    else
        pathWindow_->SetBank(nullptr, {});
}

void Form1::SetWatchedRun(bool running)
{
    if (paused_)
        StatusBar1->SetPanelText(2, pausedOperation_);
    running_ = running;
    paused_ = false;
    stepPending_ = false;
    stepsBackPending_ = 0;
    history_.Clear();
    pauseAction->setText(tr(PauseCaption));
    pauseAction->setEnabled(running);
    stepAction->setEnabled(running);
    stepBackAction->setEnabled(running);
    if (running && startPaused_) {
        // The first pass makes the one position asked for, then the run waits.
        startPaused_ = false;
        paused_ = true;
        stepPending_ = true;
        pauseAction->setText(tr(ResumeCaption));
        pausedOperation_ = StatusBar1->PanelText(2);
        StatusBar1->SetPanelText(2, tr(PauseCaption));
    }
    if (pathWindow_)
        pathWindow_->SetRunning(running);
}

bool Form1::WaitWhilePaused()
{
    if (!paused_ || stepPending_ || stepsBackPending_ > 0)
        return false;
    clock_->WaitUntil(RunClock::NoDeadline);
    return true;
}

bool Form1::TakeStep()
{
    const bool step = stepPending_;
    stepPending_ = false;
    return step;
}

std::size_t Form1::TransformSlice(std::span<char16_t> slice, qint32 position, Direction direction)
{
    RotorBank& bank = machine_.Bank();
    const auto transform = [&](std::span<char16_t> part) {
        return direction == Direction::Encrypt ? EncipherText(bank, part, *this) : DecipherText(bank, part, *this);
    };
    if (!pathWindow_ || !pathWindow_->isVisible() || slice.empty())
        return transform(slice);
    // Once a slice, that is once a frame: the window shows the position the working area selects.
    const std::size_t last = slice.size() - 1;
    const std::size_t passed = transform(slice.first(last));
    const PathSnapshot snapshot = PathSnapshot::Take(
        bank, slice[last],
        direction == Direction::Encrypt ? CipherDirection::Encipher : CipherDirection::Decipher,
        Text5->text().toStdU16String());
    const std::size_t passedLast = transform(slice.subspan(last));
    pathWindow_->ShowRunPosition(position + qint64(last), snapshot);
    return passed + passedLast;
}

}  // namespace velista
