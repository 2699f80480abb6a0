// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line field that takes only the characters of its allowed set, with the system beep for every
// other one, whether typed, pasted or dropped, and a short flash of the field, as the bell is often off.

#include <QLineEdit>
#include <QPalette>

#include <string>

class QTimer;

namespace velista {

class Beeper;

class FilteredField : public QLineEdit {
    Q_OBJECT

public:
    FilteredField(QWidget* parent, std::u16string allowed, Beeper& beeper);

    // FilterKey for one character, as it arrives in the code page of key presses; false when refused,
    // and then the field flashes.
    bool Admits(QChar character);

    // The flash shows the field's text and background swapped until this single-shot timer fires.
    QTimer* FlashTimer() const { return flashTimer_; }
    bool Flashing() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Pasted or dropped text loses its refused characters before the field's length limit applies, as if
    // it had been typed character by character.
    void InsertFiltered(const QString& text);
    void StartFlash();
    void EndFlash();

    std::u16string allowed_;
    Beeper& beeper_;
    QTimer* flashTimer_;
    // The field's own palette while it flashes, given back whole when the flash ends.
    QPalette steadyPalette_;
};

}  // namespace velista
