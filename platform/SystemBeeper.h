// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system beep, merged when beeps come faster than they can sound.

#include "machine/Beeper.h"

#include <QElapsedTimer>

namespace velista {

class SystemBeeper final : public Beeper {
public:
    void Beep() override;

private:
    QElapsedTimer sinceLast_;
};

}  // namespace velista
