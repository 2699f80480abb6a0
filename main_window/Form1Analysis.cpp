// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part in the window «Криптоанализ»: the entry "Криптоанализ" (F9) opens it, and its
// «Установить роторы» installs through the install button's own handler.

#include "main_window/Form1.h"

#include "main_window/FilteredField.h"
#include "main_window/RichTextBox.h"

#include "analysis_window/AnalysisWindow.h"

#include <QAction>
#include <QApplication>

namespace velista {

void Form1::ConnectAnalysis()
{
    // "Криптоанализ" of the menu " Обучение " is disabled until this window part connects it.
    cryptanalysisAction->setEnabled(true);
    connect(cryptanalysisAction, &QAction::triggered, this, &Form1::OpenAnalysis);
}

void Form1::OpenAnalysis()
{
    const bool first = analysisWindow_ == nullptr;
    if (first) {
        // A child window: it closes with the main window, and a search still running stops with it.
        // The install is the click of SSCommand10: the status bar says «Роторы  установлены.» as for the button.
        analysisWindow_ = new AnalysisWindow(
            [this] { return RichTextBox2->Text(); }, [this] { return RichTextBox1->Text(); }, Text4, Text5,
            [this] {
                SSCommand10_Click();
                return RotorsInstalled();
            },
            this);
        connect(RichTextBox2, &QPlainTextEdit::textChanged, analysisWindow_, &AnalysisWindow::TextsChanged);
        connect(RichTextBox1, &QPlainTextEdit::textChanged, analysisWindow_, &AnalysisWindow::CipherTextChanged);
        // "Выход" and the last window's closing ask the search to stop at once; the window's destructor, after
        // the event loop, then waits only for the search's last 50 ms of work.
        connect(qApp, &QCoreApplication::aboutToQuit, analysisWindow_, &AnalysisWindow::CancelSearch);
        connect(qApp, &QGuiApplication::lastWindowClosed, analysisWindow_, &AnalysisWindow::CancelSearch);
    }
    ShowTeachingWindow(analysisWindow_, first);
    analysisWindow_->raise();
    analysisWindow_->activateWindow();
}

}  // namespace velista
