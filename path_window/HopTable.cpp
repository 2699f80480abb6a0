// SPDX-License-Identifier: GPL-3.0-or-later
#include "path_window/HopTable.h"

#include <QHeaderView>

namespace velista {

HopTable::HopTable(QWidget* parent)
    : QTableWidget(4, 4, parent)
{
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The columns share the width, so no room is kept for a horizontal scroll bar.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
}

QSize HopTable::sizeHint() const
{
    const int rows = rowCount() * verticalHeader()->defaultSectionSize();
    return {QTableWidget::sizeHint().width(), horizontalHeader()->sizeHint().height() + rows + 2 * frameWidth()};
}

}  // namespace velista
