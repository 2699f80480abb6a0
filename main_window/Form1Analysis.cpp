// The main window's part in the window «Криптоанализ»: the entry "Криптоанализ" (F9) opens it.

#include "Form1.h"

#include "FilteredField.h"
#include "RichTextBox.h"

#include <AnalysisWindow.h>

#include <QAction>

namespace velista {

void Form1::connectAnalysis()
{
    // The entry of the menu " Обучение " when the menu has it; otherwise the window's own F9 shortcut.
    QAction* action = findChild<QAction*>(QStringLiteral("cryptanalysisAction"));
    if (!action) {
        action = new QAction(QStringLiteral("Криптоанализ"), this);
        action->setObjectName("cryptanalysisAction");
        action->setShortcut(QKeySequence(Qt::Key_F9));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, &Form1::OpenAnalysis);
}

void Form1::OpenAnalysis()
{
    if (!analysisWindow_) {
        // A child window: it closes with the main window, and a search still running stops with it.
        analysisWindow_ = new AnalysisWindow([this] { return RichTextBox2->Text(); },
                                             [this] { return RichTextBox1->Text(); }, Text4, Text5, this);
        for (RichTextBox* area : {RichTextBox1, RichTextBox2})
            connect(area, &QPlainTextEdit::textChanged, analysisWindow_, &AnalysisWindow::TextsChanged);
    }
    analysisWindow_->show();
    analysisWindow_->raise();
    analysisWindow_->activateWindow();
}

}  // namespace velista
