// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the path window's four hops: as high as its rows at most, lower (with a scroll bar) when
// the window is made small, and Tab leaves it rather than walking its cells.

#include <QTableWidget>

namespace velista {

class HopTable : public QTableWidget {
    Q_OBJECT

public:
    explicit HopTable(QWidget* parent = nullptr);

    // The header and every row. Worked out from the row height rather than by Qt's adjusting to the
    // contents, which measures the cells again at every change: with it a run at full speed over 1 MiB
    // with the window open took 0.8 s rather than 0.5 s.
    QSize sizeHint() const override;
};

}  // namespace velista
