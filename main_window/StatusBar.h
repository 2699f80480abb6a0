// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status bar of five inset panels: rotor state, operation, Caps Lock, Num Lock and the keyboard layout.
// It keeps the two lock indicators itself.

#include <QStatusBar>

#include <array>

class QLabel;
class QTimer;

namespace velista {

class KeyboardState;

class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int PanelCount = 5;
    // An indicator that is off stays this readable against the status bar (WCAG's level for text).
    static constexpr double MinimumContrast = 4.5;

    StatusBar(QWidget* parent, KeyboardState& keyboard);

    // Panels are numbered 1 to 5.
    QLabel* Panel(int panel) const;
    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);

    // Reads the lock keys again; also done on its own every 100 ms.
    void RefreshLockIndicators();

private:
    std::array<QLabel*, PanelCount> panels_{};
    KeyboardState& keyboard_;
    QTimer* lockTimer_ = nullptr;
};

}  // namespace velista
