// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A raised panel that holds other controls, with an optional caption line across its middle.

#include <QFrame>

namespace velista {

class ThreeDPanel : public QFrame {
    Q_OBJECT

public:
    explicit ThreeDPanel(QWidget* parent = nullptr, const QString& caption = {});

    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace velista
