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
    // The picture and the margins grow with the zoomed button; at 1 the picture is drawn at its own size.
    void SetZoom(double factor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon picture_;
    double zoom_ = 1.0;
};

}  // namespace velista
