#pragma once
// A one-line field that takes only the characters of its allowed set, with the system beep for every
// other one, whether typed, pasted or dropped.

#include <QLineEdit>

#include <string>

namespace velista {

class Beeper;

class FilteredField : public QLineEdit {
    Q_OBJECT

public:
    FilteredField(QWidget* parent, std::u16string allowed, Beeper& beeper);

    // FilterKey for one character, as it arrives in the code page of key presses; false when refused.
    bool Admits(QChar character) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Pasted or dropped text loses its refused characters before the field's length limit applies, as if
    // it had been typed character by character.
    void InsertFiltered(const QString& text);

    std::u16string allowed_;
    Beeper& beeper_;
};

}  // namespace velista
