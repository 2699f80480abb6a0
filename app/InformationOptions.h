// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// velista --help and --version: answered on the terminal before any window or display is needed.

#include <QString>
#include <QStringList>


namespace velista {

// Looks for --help (-h) and --version (-v) among the program's arguments. Every other argument, Qt's own
// (-platform, -style, …) included, is left to the application.
class InformationOptions final {
public:
    explicit InformationOptions(const QStringList& arguments);

    // Whether one of the options was given, so that the program prints Text() instead of starting.
    bool Given() const { return asked_ != Asked::Nothing; }
    // The text to print, in the language of the catalogue installed when it is asked for.
    QString Text() const;

private:
    enum class Asked { Nothing, Help, Version };
    Asked asked_ = Asked::Nothing;
};

}  // namespace velista
