// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part in the window «Криптоанализ»: the entry "Криптоанализ" (F9) opens it.

#include "main_window/Form1.h"

#include "main_window/FilteredField.h"
#include "main_window/RichTextBox.h"

#include "analysis_window/AnalysisWindow.h"

#include <QAction>

namespace velista {

void Form1::connectAnalysis()
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
        analysisWindow_ = new AnalysisWindow([this] { return RichTextBox2->Text(); },
                                             [this] { return RichTextBox1->Text(); }, Text4, Text5, this);
        for (RichTextBox* area : {RichTextBox1, RichTextBox2})
            connect(area, &QPlainTextEdit::textChanged, analysisWindow_, &AnalysisWindow::TextsChanged);
    }
    ShowTeachingWindow(analysisWindow_, first);
    analysisWindow_->raise();
    analysisWindow_->activateWindow();
}

}  // namespace velista
