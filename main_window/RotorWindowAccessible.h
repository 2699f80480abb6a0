// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns of a rotor window: its name («Гнездо 1» …), the symbol on top as its
// value, and the symbols it shows, top first, as read-only text.

#include <QAccessibleWidget>

namespace velista {

class RotorWindow;

class RotorWindowAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit RotorWindowAccessible(RotorWindow* window);

    // For QAccessible::installFactory: answers for the rotor windows only.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    // The text interface, read-only and without a caret.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    RotorWindow* rotorWindow() const;
};

}  // namespace velista
