#pragma once
// The modal boxes the main window shows, behind an interface so that tests answer them instead of a user.

#include <QString>

class QWidget;

namespace velista {

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A box with the critical-error icon and an OK button; returns when it is closed.
    virtual void Critical(QWidget* parent, const QString& text, const QString& title) = 0;
};

}  // namespace velista
