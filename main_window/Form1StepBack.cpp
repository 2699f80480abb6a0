// SPDX-License-Identifier: GPL-3.0-or-later
// The step back of a paused run: the last position made is taken back by restoring the bank as the run
// kept it, never by stepping the machine backwards.

#include "main_window/Form1.h"

#include "installation/CipherMachine.h"
#include "installation/RotorWindows.h"
#include "main_window/FilteredField.h"
#include "main_window/RichTextBox.h"
#include "main_window/RunClock.h"
#include "path_window/PathSnapshot.h"
#include "path_window/SymbolPathWindow.h"

#include <algorithm>

namespace velista {

void Form1::StepBack()
{
    if (!running_ || runEnded_) {
        platform_.beeper.Beep();
        return;
    }
    if (!paused_)
        TogglePause();
    // The run takes the steps back between two positions; those asked for already count.
    if (history_.Positions() <= stepsBackPending_) {
        platform_.beeper.Beep();
        return;
    }
    ++stepsBackPending_;
    clock_->Wake();
}

void Form1::TakeStepsBack(RichTextBox* working, qint32& position, Direction direction)
{
    RotorBank& bank = machine_.Bank();
    for (; stepsBackPending_ > 0; --stepsBackPending_) {
        const std::optional<RunHistory::Made> made = history_.TakeBack();
        if (!made)
            break;
        bank.Restore(made->slicePosition);
        bank.Advance(made->stepsIntoSlice);
        // A character outside the alphabet stood there unchanged; a line break is not split by an edit.
        if (made->position < working->SymbolCount() && working->TextRange(made->position, 1) != made->original)
            working->ReplaceRange(made->position, 1, QString(made->original));
        position = made->position;
    }
    stepsBackPending_ = 0;
    constexpr unsigned EverySlot = (1u << SlotCount) - 1;
    ShowTurned(bank, EverySlot, *this);
    working->SetSelStart(std::max(position - 1, 0));
    working->SetSelLength(position > 0 ? 1 : 0);
    runPosition_ = position;
    runCount_ = working->SymbolCount();
    TellRunState(true);
    ShowLastRunPath(direction);
}

void Form1::ShowLastRunPath(Direction direction)
{
    if (!pathWindow_ || !pathWindow_->isVisible())
        return;
    const CipherDirection way = direction == Direction::Encrypt ? CipherDirection::Encipher : CipherDirection::Decipher;
    const std::optional<RunHistory::Made> last = history_.Last();
    if (!last) {
        pathWindow_->ShowRunStart(way);
        return;
    }
    // The path goes through the bank as it stood before the machine stepped for the position: put it there,
    // take the path, and step it on to where the run stands.
    RotorBank& bank = machine_.Bank();
    bank.Restore(last->slicePosition);
    bank.Advance(last->stepsIntoSlice);
    const PathSnapshot snapshot = PathSnapshot::Take(bank, last->original.unicode(), way, Text5->text().toStdU16String());
    bank.Step();
    pathWindow_->ShowRunPosition(last->position, snapshot);
}

}  // namespace velista
