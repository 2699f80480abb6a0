// SPDX-License-Identifier: GPL-3.0-or-later
// What the path window needs of the main window to save: its dialogs, and the text a run would read with
// the bank as the installation set it.

#include "main_window/Form1.h"

#include "installation/CipherMachine.h"
#include "machine/RotorChoice.h"
#include "main_window/FilteredField.h"
#include "main_window/RichTextBox.h"
#include "main_window/UserDialogs.h"
#include "path_window/SymbolPathWindow.h"

namespace velista {

void Form1::ConnectPathSaving()
{
    SymbolPathWindow::Saving saving;
    saving.chooseFile = [this](const QString& filter, const QString& extension) {
        const QString path = dialogs_.ChooseFileToSave(pathWindow_, {lastDirectory_, filter, extension});
        return path;
    };
    saving.warn = [this](const QString& text) { dialogs_.Warning(pathWindow_, text, pathWindow_->windowTitle()); };
    saving.textToTrace = [this](CipherDirection direction) -> std::variant<SymbolPathWindow::TextToTrace, QString> {
        if (!RotorsInstalled())
            return tr("Роторы не установлены: путь текста считается от положения ключа. Установите роторы.");
        // The area a run in that direction reads: the plain text for an encryption, the ciphertext for a
        // decryption; its line breaks are CR LF, as in the files and in velista-cli.
        const QString text = (direction == CipherDirection::Encipher ? RichTextBox2 : RichTextBox1)->Text();
        if (text.isEmpty())
            return direction == CipherDirection::Encipher ? tr("Открытый текст пуст: путь нечего сохранять.")
                                                          : tr("Шифротекст пуст: путь нечего сохранять.");
        // The rotor field holds what the installation took: five digits.
        const RotorChoice rotors = RotorChoice::Certain(Text4->text().toStdU16String());
        SymbolPathWindow::TextToTrace trace{text, RotorBank()};
        if (!trace.bank.SetDirectly(machine_.Catalogue(), rotors.Numbers(), Text5->text().toStdU16String()))
            qFatal("the installed rotors and key do not set a bank");
        return trace;
    };
    pathWindow_->SetSaving(std::move(saving));
}

}  // namespace velista
