// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command button with a picture, a caption or both: a small picture stands left of the caption, a
// picture as large as the button is its face behind the caption.

#include <QAbstractButton>
#include <QIcon>

namespace velista {

class ThreeDButton : public QAbstractButton {
    Q_OBJECT

public:
    ThreeDButton(QWidget* parent, const QIcon& picture, const QString& caption = {});

    QIcon Picture() const { return picture_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon picture_;
};

}  // namespace velista
