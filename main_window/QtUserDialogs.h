#pragma once
// The main window's modal boxes, as the platform shows them.

#include "UserDialogs.h"

namespace velista {

class QtUserDialogs final : public UserDialogs {
public:
    void Critical(QWidget* parent, const QString& text, const QString& title) override;
};

}  // namespace velista
