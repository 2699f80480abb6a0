// SPDX-License-Identifier: GPL-3.0-or-later
// The encryption and decryption runs: the source copied into the working area, then turned into the
// result there slice by slice, paced to be watched.

#include "main_window/Form1.h"

#include "installation/CipherMachine.h"
#include "installation/RotorWindows.h"
#include "main_window/RichTextBox.h"
#include "main_window/RunClock.h"
#include "main_window/RunPacer.h"
#include "main_window/StatusBar.h"
#include "main_window/ThreeDButton.h"
#include "window_kit/Fonts.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace velista {

void Form1::EncryptPlainText() { Run(Direction::Encrypt); }

void Form1::DecryptCipherText() { Run(Direction::Decrypt); }

void Form1::Run(Direction direction)
{
    const bool encrypt = direction == Direction::Encrypt;
    RichTextBox* source = encrypt ? RichTextBox2 : RichTextBox1;
    RichTextBox* working = encrypt ? RichTextBox1 : RichTextBox2;
    runArea_ = working;
    runEnded_ = false;
    runPosition_ = 0;
    runCount_ = 0;
    MoveFocusForRun(working);
    SSCommand9->hide();
    SSCommand7->hide();
    Timer1->stop();
    Yield();
    // After every yield: a command that took the area meanwhile ends the run before it writes again.
    if (!runEnded_) {
        working->SetText(QString());
        Yield();
    }
    if (!runEnded_)
        CopyText(source->Text(), working);
    if (!runEnded_)
        shifr(working);
    ShowOperation(encrypt ? tr("Шифрование открытого текста") : tr("Дешифрование шифротекста"));
    bloc();
    if (!runEnded_)
        TransformText(working, direction);
    runArea_ = nullptr;
    TellRunState(true);
    if (quitting_)
        return;
    InstallRotors();
    Yield();
    SSCommand9->show();
    Yield();
    SSCommand7->show();
    Timer1->start();
    if (runEnded_)
        ShowOperation(encrypt ? tr("Шифрование прервано") : tr("Дешифрование прервано"));
    else
        ShowOperation(encrypt ? tr("Шифрование выполнено") : tr("Дешифрование  выполнено."));
    Rebloc();
    RestoreFocusAfterRun(working);
}

void Form1::EndRunWriting(RichTextBox* area)
{
    if (runArea_ != area || runEnded_)
        return;
    runEnded_ = true;
    // A paused run waits without end, a slow one for its next frame: either wait ends now.
    clock_->Wake();
}

// A long text is set in pieces of whole lines with a yield between them: setting 1 MiB at once keeps the
// window from answering for 50 ms (measured). The text comes from an area, so its breaks are CR LF; a
// piece ends after an LF, so no break is split, and a text without breaks is set in one piece. A command
// that clears or replaces the working area ends the whole run; any other change between two pieces (a
// paste, typing) ends the copy: the run goes on over what the area holds then, and no piece of the old
// source lands after it.
void Form1::CopyText(const QString& text, RichTextBox* working)
{
    constexpr qsizetype Piece = 128 * 1024;
    bool appending = false;
    bool replaced = false;
    // A change of formatting alone (shifr after a save) removes and adds as many characters as it keeps.
    const QMetaObject::Connection watch =
        connect(working->document(), &QTextDocument::contentsChange, this, [&](int, int removed, int added) {
            if (!appending && removed != added)
                replaced = true;
        });
    const auto unwatch = qScopeGuard([&] { disconnect(watch); });
    qsizetype start = 0;
    while (start < text.size() && !quitting_ && !replaced && !runEnded_) {
        const qsizetype lf = text.indexOf(u'\n', start + Piece);
        const qsizetype end = lf < 0 ? text.size() : lf + 1;
        appending = true;
        // The first piece replaces whatever was typed into the area during the run's earlier yields.
        const QString piece = text.mid(start, end - start);
        start == 0 ? working->SetText(piece) : working->AppendText(piece);
        appending = false;
        start = end;
        if (start < text.size())
            Yield();
    }
}

// Slice by slice rather than symbol by symbol: replacing one selected symbol in a text area costs 50 to
// 100 µs and grows with the text (measured), hours for a book. Each slice is read from the working area
// as it is now, transformed with the bank, written back in one edit, and shown with the current symbol
// selected; the bank steps once for every position, whatever stands there.
void Form1::TransformText(RichTextBox* working, Direction direction)
{
    // Every slice is one edit; keeping them for undo would double the memory of a long text.
    working->document()->setUndoRedoEnabled(false);
    RunPacer pacer(working->SymbolCount(), speed_);
    SetWatchedRun(true);
    QElapsedTimer clock;
    clock.start();
    qint32 position = 0;
    while (!quitting_ && !runEnded_) {
        const qint32 count = working->SymbolCount();
        if (position >= count)
            break;
        if (stepsBackPending_ > 0) {
            TakeStepsBack(working, position, direction);
            continue;
        }
        // A pause may last while the text changes: it is read again afterwards.
        if (WaitWhilePaused())
            continue;
        const qint64 frameStart = clock_->Now();
        const qint64 sliceStart = clock.nsecsElapsed();
        pacer.SetSpeed(speed_);
        const qint32 length = TakeStep() ? 1 : pacer.NextSlice(position, count, working->LineLengthAt(position));
        QString slice = working->TextRange(position, length);
        history_.Record(position, QString(slice), machine_.Bank().Where());
        const std::span<char16_t> symbols(reinterpret_cast<char16_t*>(slice.data()), std::size_t(slice.size()));
        const std::size_t passed = TransformSlice(symbols, position, direction);
        for (std::size_t i = 0; i < passed; ++i)
            platform_.beeper.Beep();
        working->ReplaceRange(position, length, slice);
        position += length;
        working->SetSelStart(position - 1);
        working->SetSelLength(1);
        runPosition_ = position;
        runCount_ = count;
        // A paused run is told at once: the reader hears where it stopped.
        TellRunState(paused_);
        pacer.SliceDone(length, double(clock.nsecsElapsed() - sliceStart) / 1e6);
        FinishFrame(frameStart, pacer);
    }
    SetWatchedRun(false);
    working->document()->setUndoRedoEnabled(true);
}

void Form1::FinishFrame(qint64 frameStart, RunPacer& pacer)
{
    Yield();
    while (!quitting_ && !runEnded_ && !paused_ && !stepPending_ && stepsBackPending_ == 0) {
        pacer.SetSpeed(speed_);
        const qint64 end = frameStart + pacer.MinimumFrameMilliseconds();
        if (clock_->Now() >= end)
            return;
        clock_->WaitUntil(end);
    }
}

void Form1::shifr(RichTextBox* box) { box->FormatWholeText(DesignFamily, 10); }

}  // namespace velista
