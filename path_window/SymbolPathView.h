// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing of the path window: five slots side by side, each with its entry and exit row around the
// positions the path uses, and the four hops in four colours; decryption runs right to left. For a screen
// reader it says in words what it shows (its accessible description), and tells when that changes.

#include "path_window/PathLayout.h"
#include "path_window/PathSnapshot.h"

#include <QTimer>
#include <QWidget>

#include <optional>

namespace velista {

class SymbolPathView : public QWidget {
    Q_OBJECT

public:
    explicit SymbolPathView(QWidget* parent = nullptr);

    void Show(const PathSnapshot& snapshot);
    // Nothing to draw but a line of text.
    void ShowMessage(const QString& message);
    const std::optional<PathSnapshot>& Snapshot() const { return snapshot_; }
    // What is drawn at the view's present size (empty boxes, texts and arrows while it shows a message).
    PathLayout Layout() const;
    // The snapshot in words: the input, each hop with its slots, symbols and position, the output.
    static QString Summary(const PathSnapshot& snapshot);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SetDescription(const QString& description);
    void AnnounceDescription();

    std::optional<PathSnapshot> snapshot_;
    QString message_;
    QString pendingDescription_;
    mutable std::optional<PathLayout::Type> type_;
    QTimer descriptionPause_;
};

}  // namespace velista
