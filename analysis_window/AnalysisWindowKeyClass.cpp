// SPDX-License-Identifier: GPL-3.0-or-later
// «Ключи класса…» of the analysis window: the 135 equivalent keys of the chosen result row.

#include "analysis_window/AnalysisWindow.h"

#include "analysis_window/KeyClassDialog.h"

#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace velista {

QPushButton* AnalysisWindow::CreateKeyClassButton(QWidget* parent)
{
    keyClassButton = new QPushButton(tr("&Ключи класса…"), parent);
    keyClassButton->setObjectName("keyClassButton");
    keyClassButton->setAccessibleName(tr("Ключи класса"));
    keyClassButton->setAccessibleDescription(
        tr("Все 135 ключей, которые с найденными роторами шифруют одинаково, и проверка своего ключа"));
    keyClassButton->setEnabled(false);
    keyClassButton->setAutoDefault(false);
    connect(keyClassButton, &QPushButton::clicked, this, &AnalysisWindow::ShowKeyClass);
    return keyClassButton;
}

void AnalysisWindow::ShowKeyClass()
{
    if (!result_ || result_->settings.empty())
        return;
    const std::size_t row = std::size_t(std::max(0, resultTable->currentRow()));
    auto* dialog = new KeyClassDialog(result_->settings.at(std::min(row, result_->settings.size() - 1)), tables_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

}  // namespace velista
