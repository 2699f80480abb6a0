// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InputMethodKeyboardState.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLocale>

namespace velista {

std::string InputMethodKeyboardState::LayoutIdentifier() const
{
    const QLocale locale = QGuiApplication::inputMethod()->locale();
    return locale.language() == QLocale::Russian ? "00000419" : "00000409";
}

}  // namespace velista
