// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemBeeper.h"

#include <QApplication>

namespace velista {

namespace {
// A bell lasts about this long; more beeps within it would only queue sound behind the program.
constexpr qint64 BellMilliseconds = 100;
}  // namespace

void SystemBeeper::Beep()
{
    if (sinceLast_.isValid() && sinceLast_.elapsed() < BellMilliseconds)
        return;
    sinceLast_.start();
    QApplication::beep();
}

}  // namespace velista
