// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing of the path window: five slots side by side, each with its entry and exit row around the
// positions the path uses, and the four hops in four colours; decryption runs right to left.

#include "path_window/PathSnapshot.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <optional>

namespace velista {

class SymbolPathView : public QWidget {
    Q_OBJECT

public:
    // Dark enough on white to read from the back of a classroom, and told apart by colour-blind eyes
    // through their lightness as well.
    static const std::array<QColor, 4> HopColours;

    explicit SymbolPathView(QWidget* parent = nullptr);

    void Show(const PathSnapshot& snapshot);
    // Nothing to draw but a line of text.
    void ShowMessage(const QString& message);
    const std::optional<PathSnapshot>& Snapshot() const { return snapshot_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<PathSnapshot> snapshot_;
    QString message_;
};

}  // namespace velista
