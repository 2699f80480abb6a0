// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's state: what the machine does to it, the status writers, the timer rule of the run
// buttons, the rotor and key fields and their installation, the rotor panel switch and «Выход».

#include "main_window/Form1.h"

#include "analysis_window/AnalysisWindow.h"
#include "help/InformationWindows.h"
#include "installation/CipherMachine.h"
#include "main_window/FilteredField.h"
#include "main_window/RichTextBox.h"
#include "main_window/RotorWindow.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "main_window/ThreeDPanel.h"
#include "main_window/UserDialogs.h"
#include "path_window/SymbolPathWindow.h"
#include "platform/ApplicationEventLoop.h"
#include "platform/LayoutIdentifier.h"
#include "window_kit/CoreText.h"
#include "window_kit/Twips.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

namespace velista {

QString Form1::Translated(const QString& designed)
{
    // The texts are marked for the catalogue where they are defined.
    return QCoreApplication::translate("velista::Form1", designed.toUtf8().constData());
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
    dialogs_.Critical(this, CoreText(CipherMachineContext, QString::fromUtf16(text.data(), qsizetype(text.size()))),
                      CoreText(CipherMachineContext, QString::fromUtf16(title.data(), qsizetype(title.size()))));
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

void Form1::closeEvent(QCloseEvent* event)
{
    // Child windows stay open when their parent closes; a search in the analysis window would keep the
    // program alive without a main window.
    for (QWidget* window : {static_cast<QWidget*>(pathWindow_), static_cast<QWidget*>(analysisWindow_)})
        if (window)
            window->close();
    QMainWindow::closeEvent(event);
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
    // "Шаг" starts a run where a run button offers one.
    stepAction->setEnabled(running_ || !SSCommand9->isHidden() || !SSCommand7->isHidden());
    KeepFocusUsable();
}

// Any change of a field makes the installed bank stale.
void Form1::FieldChanged()
{
    SSCommand9->hide();
    SSCommand7->hide();
    machine_.ClearRotorsInstalled();
    ShowRotorState(Translated(NotInstalled));
    Yield();
}

void Form1::Text4_Change()
{
    FieldChanged();
    if (Text4->text().size() == 5)
        Text5->setFocus();
    SSCommand10->setEnabled(Text4->text().size() == 5 && Text5->text().size() == 5);
    ShowRotorState(Translated(NotInstalledAfterRotors));
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
    ShowRotorState(Translated(Installed));
    // Disabling the focused button hands the focus on to the key field, which selects its text then; the
    // next key press would replace the key.
    SSCommand10->setEnabled(false);
    Text5->deselect();
    Text5->end(false);
}

}  // namespace velista
