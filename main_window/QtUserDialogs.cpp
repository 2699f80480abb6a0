// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/QtUserDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace velista {

namespace {

// "(description)|*.ext" as the dialog writes a filter: "description (*.ext)".
QString DialogFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0)
        return filter;
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + u')';
}

QString Choose(QWidget* parent, const UserDialogs::FileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(DialogFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    // The last file's full path opens its folder. The name proposed is that file's base name with this
    // command's own extension, never the last file itself: after saving letter.txt, Enter in «Сохранить
    // шифротекст» must not write a ciphertext over it. An open dialog proposes the name only if it exists.
    const QFileInfo initial(request.initialDirectory);
    if (initial.isFile()) {
        dialog.setDirectory(initial.absolutePath());
        const QString proposed = initial.completeBaseName() + u'.' + request.defaultExtension;
        if (mode == QFileDialog::AcceptSave || QFileInfo(initial.dir(), proposed).isFile())
            dialog.selectFile(proposed);
    } else {
        dialog.setDirectory(request.initialDirectory);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void QtUserDialogs::Critical(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void QtUserDialogs::Warning(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

void QtUserDialogs::Information(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

QString QtUserDialogs::ChooseFileToOpen(QWidget* parent, const FileRequest& request)
{
    return Choose(parent, request, QFileDialog::AcceptOpen);
}

QString QtUserDialogs::ChooseFileToSave(QWidget* parent, const FileRequest& request)
{
    return Choose(parent, request, QFileDialog::AcceptSave);
}

}  // namespace velista
