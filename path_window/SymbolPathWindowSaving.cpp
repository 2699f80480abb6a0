// SPDX-License-Identifier: GPL-3.0-or-later
// The path window's pictures and tables to hand out: the drawing saved as PNG or SVG or copied, and a whole
// text's path saved as CSV, each through the program's safe save.

#include "path_window/SymbolPathWindow.h"

#include "path_window/PathCsv.h"
#include "path_window/PathPicture.h"
#include "path_window/SymbolPathView.h"
#include "window_kit/SafeSave.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QMenu>
#include <QToolButton>

namespace velista {

void SymbolPathWindow::CreateSaving(QBoxLayout* fieldRow)
{
    const auto action = [this](const char* name, const QString& text, const QString& spoken, auto slot) {
        auto* made = new QAction(text, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setToolTip(spoken);
        connect(made, &QAction::triggered, this, slot);
        return made;
    };
    saveDrawingAction_ = action("saveDrawingAction", tr("Сохранить рисунок…"),
                                tr("Сохранить рисунок пути с таблицей в файл PNG или SVG"),
                                &SymbolPathWindow::ChooseAndSaveDrawing);
    saveDrawingAction_->setShortcut(QKeySequence::Save);
    saveDrawingAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(saveDrawingAction_);
    copyDrawingAction_ = action("copyDrawingAction", tr("Копировать рисунок"),
                                tr("Копировать рисунок пути с таблицей в буфер обмена"), &SymbolPathWindow::CopyDrawing);
    saveTextPathAction_ = action("saveTextPathAction", tr("Сохранить путь текста…"),
                                 tr("Сохранить путь каждого символа всего текста в таблицу CSV"),
                                 &SymbolPathWindow::ChooseAndSaveTextPath);
    // The drawing's context menu (also Shift+F10 or the menu key on it).
    PathView->setContextMenuPolicy(Qt::ActionsContextMenu);
    PathView->addActions({saveDrawingAction_, copyDrawingAction_, saveTextPathAction_});

    // One button with the three commands in its menu, beside the symbol field: a row of its own would not fit
    // a window zoomed to 300 % on a small screen.
    SaveButton = new QToolButton(this);
    SaveButton->setObjectName("saveButton");
    // Short: at 100 % the field row sets the window's least width, which must stay under 900 pixels.
    SaveButton->setText(tr("&Сохранить"));
    SaveButton->setAccessibleName(tr("Сохранить рисунок или путь"));
    SaveButton->setAccessibleDescription(tr("Меню: сохранить рисунок, копировать рисунок, сохранить путь текста"));
    SaveButton->setFocusPolicy(Qt::StrongFocus);
    SaveButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(SaveButton);
    menu->setObjectName("saveMenu");
    menu->addActions({saveDrawingAction_, copyDrawingAction_, saveTextPathAction_});
    SaveButton->setMenu(menu);
    fieldRow->addWidget(SaveButton);
}

std::optional<QString> SymbolPathWindow::SaveDrawing(const QString& path) const
{
    const PathPicture picture(*this);
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
#if VELISTA_PATH_PICTURE_SVG
    return SafeSave::Problem(path, svg ? picture.Svg() : picture.Png());
#else
    // PNG bytes under an .svg name would be a file that no drawing program opens as it says.
    if (svg)
        return tr("в этой сборке рисунок сохраняется только в PNG");
    return SafeSave::Problem(path, picture.Png());
#endif
}

void SymbolPathWindow::CopyDrawing() const { QApplication::clipboard()->setImage(PathPicture(*this).Image()); }

std::optional<QString> SymbolPathWindow::SaveTextPath(const QString& path, const TextToTrace& text,
                                                      CipherDirection direction) const
{
    return SafeSave::Problem(path, PathCsv::Make(text.bank, text.text, direction));
}

void SymbolPathWindow::Warn(const QString& text) const
{
    if (saving_.warn)
        saving_.warn(text);
    else
        QMessageBox::warning(const_cast<SymbolPathWindow*>(this), windowTitle(), text);
}

QString SymbolPathWindow::ChooseFile(const QString& filter, const QString& extension)
{
    if (saving_.chooseFile)
        return saving_.chooseFile(filter, extension);
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    return QFileDialog::getSaveFileName(this, windowTitle(), {}, filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')'));
}

void SymbolPathWindow::ChooseAndSaveDrawing()
{
#if VELISTA_PATH_PICTURE_SVG
    const QString path = ChooseFile(tr("(Рисунок PNG или SVG)|*.png *.svg"), QStringLiteral("png"));
#else
    const QString path = ChooseFile(tr("(Рисунок PNG)|*.png"), QStringLiteral("png"));
#endif
    if (path.isEmpty())
        return;
    if (const std::optional<QString> error = SaveDrawing(path))
        Warn(tr("Рисунок не сохранён в «%1»: %2.").arg(path, *error));
}

void SymbolPathWindow::ChooseAndSaveTextPath()
{
    const CipherDirection direction =
        DecipherBox->isChecked() ? CipherDirection::Decipher : CipherDirection::Encipher;
    if (!saving_.textToTrace) {
        Warn(tr("Путь текста сохраняется из главного окна программы."));
        return;
    }
    const std::variant<TextToTrace, QString> text = saving_.textToTrace(direction);
    if (const QString* why = std::get_if<QString>(&text)) {
        Warn(*why);
        return;
    }
    const QString path = ChooseFile(tr("(Таблица CSV)|*.csv"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> error = SaveTextPath(path, std::get<TextToTrace>(text), direction))
        Warn(tr("Путь текста не сохранён в «%1»: %2.").arg(path, *error));
}

}  // namespace velista
