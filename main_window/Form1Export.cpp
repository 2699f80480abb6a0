// SPDX-License-Identifier: GPL-3.0-or-later
// "Экспорт в PDF…": both texts as a handout, the key in it only when the user ticks the box for it.

#include "main_window/Form1.h"

#include "main_window/FilteredField.h"
#include "main_window/RichTextBox.h"
#include "main_window/TextsPdf.h"
#include "main_window/UserDialogs.h"
#include "window_kit/SafeSave.h"
#include "window_kit/WindowZoom.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace velista {

void Form1::CreateExportAction(QMenu* menu)
{
    auto* action = new QAction(tr("Экспорт в PDF…"), this);
    action->setObjectName("exportPdfAction");
    connect(action, &QAction::triggered, this, &Form1::ChooseAndExportPdf);
    menu->addAction(action);
}

void Form1::ChooseAndExportPdf()
{
    // A handout must not give the key away by accident: the box starts unticked, every time.
    QDialog ask(this);
    ask.setObjectName("exportPdfDialog");
    ask.setWindowTitle(tr("Экспорт в PDF"));
    auto* note = new QLabel(tr("Открытый текст и шифротекст будут записаны рядом, с номерами роторов."), &ask);
    note->setWordWrap(true);
    auto* withKey = new QCheckBox(tr("Записать и &ключ"), &ask);
    withKey->setObjectName("exportKeyBox");
    withKey->setAccessibleName(tr("Записать и ключ"));
    withKey->setAccessibleDescription(tr("Без этой отметки ключа в файле не будет"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    buttons->setObjectName("exportPdfButtons");
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    auto* layout = new QVBoxLayout(&ask);
    layout->addWidget(note);
    layout->addWidget(withKey);
    layout->addWidget(buttons);
    withKey->setFocus();
    // Built at 100 %, laid out at that size, then zoomed with the program.
    ask.adjustSize();
    Zoom().Follow(&ask);
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString path = dialogs_.ChooseFileToSave(this, {lastDirectory_, tr("(Документ PDF)|*.pdf"), QStringLiteral("pdf")});
    if (!path.isEmpty())
        ExportPdf(path, withKey->isChecked());
}

bool Form1::ExportPdf(const QString& path, bool withKey)
{
    const QByteArray pdf = TextsPdf::Make(RichTextBox2->Text(), RichTextBox1->Text(), Text4->text(),
                                          withKey ? std::optional<QString>(Text5->text()) : std::nullopt);
    const SafeSave::Result saved = SafeSave::Write(path, pdf);
    if (!saved.written) {
        dialogs_.Warning(this, tr("Файл %1 не записан: %2.").arg(path, saved.error), tr("Экспорт в PDF"));
        return false;
    }
    return true;
}

}  // namespace velista
