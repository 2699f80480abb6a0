// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/RotorSlot.h"

#include "machine/Checked.h"

namespace velista {

void RotorSlot::Load(const Rotor& rotor)
{
    copied_ = rotor;
    turns_ = 0;
}

void RotorSlot::Turn(std::int16_t steps)
{
    if (steps < 0)
        ProgrammingError("a slot turns forwards only");
    turns_ = static_cast<std::int16_t>((turns_ + steps) % RowLength);
}

int RotorSlot::CopiedPosition(int position) const
{
    CheckIndex(position, 0, RowLength - 1);
    const int copied = position - turns_;
    return copied < 0 ? copied + RowLength : copied;
}

}  // namespace velista
