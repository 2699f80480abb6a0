// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: names the program, its version and purpose, warns that the cipher is weak, and can
// start the system-information tool, which it finds in the system registry.

#include "platform/SystemRegistry.h"

#include <QDialog>

#include <functional>
#include <string_view>

class QLabel;
class QPushButton;
class QFrame;

namespace velista {

class ProgramLauncher;

class frmAbout final : public QDialog {
    Q_OBJECT

public:
    // Shows a message with an OK button and waits until it is closed.
    using MessageFunction = std::function<void(const QString& text, const QString& caption)>;

    static constexpr auto UnavailableMessage = u"System Information Is Unavailable At This Time";

    // Without a message function, messages open a modal message box.
    frmAbout(SystemRegistry& registry, ProgramLauncher& launcher, MessageFunction message = {});

    // Starts the system-information tool, or says that it is unavailable.
    void StartSysInfo();

    // Reads one registry value as text into KeyVal; false, with KeyVal emptied, when the key or the
    // value cannot be read. A string value keeps its characters up to its stored size, without a
    // terminating zero; a double word reads as "&h" and eight hexadecimal digits; a value of another
    // type leaves KeyVal as it was. Throws std::out_of_range for a value of size zero, which has no
    // last character to test (the key is closed first).
    bool GetKeyValue(SystemRegistry::Key KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

private:
    static QString FromLocal8BitKeepingZeros(std::string_view text);

    void BuildControls();
    void Form_Load();

    SystemRegistry& registry_;
    ProgramLauncher& launcher_;
    MessageFunction message_;

    QLabel* Picture1_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDisclaimer_ = nullptr;
};

}  // namespace velista
