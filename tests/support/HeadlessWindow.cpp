// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/HeadlessWindow.h"

#include "machine/Checked.h"

namespace velista {

HeadlessWindow::HeadlessWindow(std::u16string rotors, std::u16string key)
    : rotors_(std::move(rotors))
    , key_(std::move(key))
{
}

void HeadlessWindow::ClearRotorWindow(int window)
{
    CheckIndex(window, 0, 4);
    topLines_[window].reset();
}

void HeadlessWindow::AppendRotorWindowLine(int window, std::u16string_view line)
{
    CheckIndex(window, 0, 4);
    if (!topLines_[window])
        topLines_[window] = std::u16string(line);
}

std::optional<std::u16string> HeadlessWindow::RotorWindowTopLine(int window) const
{
    CheckIndex(window, 0, 4);
    return topLines_[window];
}

}  // namespace velista
