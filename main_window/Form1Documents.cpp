// SPDX-License-Identifier: GPL-3.0-or-later
// The document commands of the tool strip and the menu " Файл ": open, save and clear the plain text and
// the ciphertext.

#include "main_window/Form1.h"

#include "main_window/RichTextBox.h"
#include "main_window/TextFile.h"
#include "main_window/ThreeDButton.h"
#include "main_window/UserDialogs.h"
#include "window_kit/PluralForm.h"

#include <QDir>
#include <QFileInfo>

namespace velista {

QString Form1::ChooseFile(bool save, const QString& filter, const QString& extension)
{
    const UserDialogs::FileRequest request{lastDirectory_, filter, extension};
    return save ? dialogs_.ChooseFileToSave(this, request) : dialogs_.ChooseFileToOpen(this, request);
}

std::optional<QString> Form1::ReadFile(const QString& path)
{
    TextFile::Reading reading = TextFile::Read(path);
    if (!reading.text)
        dialogs_.Warning(this,
                         tr("Файл «%1» не открыт: %2.").arg(QDir::toNativeSeparators(path), reading.error),
                         windowTitle());
    return std::move(reading.text);
}

bool Form1::WriteFile(const QString& path, const QString& text)
{
    const TextFile::Writing writing = TextFile::Write(path, text);
    if (!writing.written) {
        dialogs_.Warning(this,
                         tr("Файл «%1» не сохранён: %2.").arg(QDir::toNativeSeparators(path), writing.error),
                         windowTitle());
        return false;
    }
    if (writing.inPlace)
        dialogs_.Warning(this,
                         tr("Файл «%1» сохранён поверх прежнего: в его папку нельзя записывать новые "
                                        "файлы, поэтому он записан на месте.")
                             .arg(QDir::toNativeSeparators(path)),
                         windowTitle());
    if (writing.replaced > 0)
        dialogs_.Warning(this,
                         tr("Файл «%1» сохранён, но кодировка Windows-1251 вмещает не все знаки текста. "
                                        "Знаком «?» заменено, по одному на место: %2 %3.")
                             .arg(QDir::toNativeSeparators(path), QString::number(writing.replaced),
                                  PluralForm("velista::Form1", QT_TRANSLATE_N_NOOP("velista::Form1", "символ(а/ов)"),
                                              qint64(writing.replaced))),
                         windowTitle());
    return true;
}

// The file is read before anything is cleared, so a file that cannot be read loses no text.
void Form1::OpenPlainText()
{
    const QString path = ChooseFile(false, Translated(PlainTextFilter), QStringLiteral("txt"));
    if (!path.isEmpty()) {
        if (std::optional<QString> text = ReadFile(path)) {
            EndRunWriting(RichTextBox1);
            EndRunWriting(RichTextBox2);
            RichTextBox1->SetText(QString());
            RichTextBox2->SetText(QString());
            ShowOperation(QString());
            Yield();
            RichTextBox2->SetText(*text);
            Yield();
            lastDirectory_ = path;
            SSCommand7->hide();
        }
    }
    shifr(RichTextBox2);
}

void Form1::OpenCipherText()
{
    const QString path = ChooseFile(false, Translated(CipherTextFilter), QStringLiteral("vls"));
    if (path.isEmpty())
        return;
    std::optional<QString> text = ReadFile(path);
    if (!text)
        return;
    EndRunWriting(RichTextBox1);
    EndRunWriting(RichTextBox2);
    RichTextBox1->SetText(QString());
    RichTextBox2->SetText(QString());
    Yield();
    RichTextBox1->SetText(*text);
    Yield();
    lastDirectory_ = path;
    SSCommand9->hide();
}

void Form1::SavePlainText()
{
    if (RichTextBox2->SymbolCount() < 2)
        return;
    const QString path = ChooseFile(true, Translated(SavePlainTextFilter), QStringLiteral("txt"));
    if (!path.isEmpty() && WriteFile(path, RichTextBox2->Text())) {
        Yield();
        lastDirectory_ = path;
        SSCommand7->hide();
    }
    shifr(RichTextBox2);
}

void Form1::SaveCipherText()
{
    if (RichTextBox1->SymbolCount() < 2)
        return;
    const QString path = ChooseFile(true, Translated(CipherTextFilter), QStringLiteral("vls"));
    if (!path.isEmpty() && WriteFile(path, RichTextBox1->Text())) {
        Yield();
        lastDirectory_ = path;
    }
    shifr(RichTextBox1);
}

// The area is cleared twice: what was typed into it during the yields goes too.
void Form1::NewPlainText()
{
    EndRunWriting(RichTextBox2);
    SSCommand9->hide();
    RichTextBox2->SetText(QString());
    Yield();
    ShowOperation(QString());
    RichTextBox2->SetText(QString());
    Yield();
}

void Form1::NewCipherText()
{
    EndRunWriting(RichTextBox1);
    RichTextBox1->SetText(QString());
    Yield();
    SSCommand7->hide();
    ShowOperation(QString());
    RichTextBox1->SetText(QString());
    Yield();
}

}  // namespace velista
