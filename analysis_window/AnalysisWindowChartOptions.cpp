// SPDX-License-Identifier: GPL-3.0-or-later
// How the analysis window's two charts are drawn: with the expected Russian frequencies, sorted by frequency.

#include "analysis_window/AnalysisWindow.h"

#include "analysis_window/FrequencyChart.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace velista {

QWidget* AnalysisWindow::CreateChartOptions(QWidget* parent)
{
    auto* options = new QWidget(parent);
    options->setObjectName("chartOptions");
    auto* row = new QHBoxLayout(options);
    row->setContentsMargins(0, 0, 0, 0);
    expectedBox = new QCheckBox(tr("&Ожидаемые частоты русского текста"), options);
    expectedBox->setObjectName("expectedBox");
    expectedBox->setAccessibleName(tr("Ожидаемые частоты русского текста"));
    expectedBox->setAccessibleDescription(
        tr("Черта на каждом столбце: доля символа в русском тексте (сборник fortunes-ru, 1,9 млн символов)"));
    sortBox = new QCheckBox(tr("По &убыванию частоты"), options);
    sortBox->setObjectName("sortBox");
    sortBox->setAccessibleName(tr("По убыванию частоты"));
    row->addWidget(expectedBox);
    row->addWidget(sortBox);
    row->addStretch();
    saveReportButton = new QPushButton(tr("Сохранить &отчёт…"), options);
    saveReportButton->setObjectName("saveReportButton");
    saveReportButton->setAccessibleName(tr("Сохранить отчёт"));
    saveReportButton->setAccessibleDescription(tr("Записать диаграммы, индексы совпадений и итог атаки в файл PDF"));
    saveReportButton->setAutoDefault(false);
    connect(saveReportButton, &QPushButton::clicked, this, &AnalysisWindow::ChooseAndSaveReport);
    row->addWidget(saveReportButton);
    connect(expectedBox, &QCheckBox::toggled, this, [this](bool show) {
        plainChart->ShowExpected(show);
        cipherChart->ShowExpected(show);
    });
    connect(sortBox, &QCheckBox::toggled, this, [this](bool sorted) {
        plainChart->SortByFrequency(sorted);
        cipherChart->SortByFrequency(sorted);
    });
    return options;
}

}  // namespace velista
