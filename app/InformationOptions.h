// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// velista --help and --version: answered on the terminal before any window or display is needed.

#include <QString>
#include <QStringList>

#include <optional>

namespace velista {

// Looks for --help (-h) and --version (-v) among the program's arguments. Every other argument, Qt's own
// (-platform, -style, …) included, is left to the application.
class InformationOptions final {
public:
    explicit InformationOptions(const QStringList& arguments);

    // The text to print instead of starting the program, if one of the options was given.
    const std::optional<QString>& Text() const { return text_; }

private:
    std::optional<QString> text_;
};

}  // namespace velista
