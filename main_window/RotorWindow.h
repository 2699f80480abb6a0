// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One rotor window: the lines of a slot's entry row, row 0 on top, shown disabled as the machine turns it.
// A light widget of its own: a list widget costs about 100 µs to refill, and a run refills a window at every step.

#include <QFrame>
#include <QStringList>

#include <optional>

namespace velista {

class RotorWindow : public QFrame {
    Q_OBJECT

public:
    explicit RotorWindow(QWidget* parent = nullptr);

    void Clear();
    void AppendLine(const QString& line);
    // Line 0, or nothing when the window holds no line.
    std::optional<QString> TopLine() const;
    const QStringList& Lines() const { return lines_; }
    // The rows grow with the window's zoomed font: the designed 13 pixels times the factor.
    void SetZoom(double factor);
    int RowHeight() const { return rowHeight_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
    int rowHeight_;
};

}  // namespace velista
