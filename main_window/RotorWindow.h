// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One rotor window: the lines of a slot's entry row, row 0 on top, shown disabled as the machine turns it.
// A light widget of its own: a list widget costs about 100 µs to refill, and a run refills a window at every step.

#include <QFrame>
#include <QStringList>

#include <optional>

class QTimer;

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

    // For a screen reader: the symbol on top, and the symbols the window shows, top first, one a line;
    // both empty while the window holds only the blank lines it starts with.
    QString TopSymbol() const;
    QString VisibleSymbols() const;
    // A turn is announced at most this often, so that a screen reader can follow; of a fast run only the
    // last state is told.
    static constexpr int AnnounceMilliseconds = 400;

signals:
    // A screen reader was told of a turn (when one listens): the symbol now on top.
    void Announced(const QString& top);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // How many lines the window shows, the last one perhaps in part.
    int VisibleLineCount() const;
    void Changed();
    void Announce();

    QStringList lines_;
    QTimer* announceTimer_ = nullptr;
    QString announcedTop_;
    QString announcedSymbols_;
    int rowHeight_;
};

}  // namespace velista
