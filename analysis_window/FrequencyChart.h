// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bar chart of how often each of the machine's 135 symbols occurs in a text: the space and punctuation, the
// digits, then the Latin and the Russian capitals and small letters, each group labelled under its middle. A
// screen reader reads its summary: the five most frequent symbols and the index of coincidence.

#include "analysis/SymbolStatistics.h"

#include <QWidget>

#include <array>

namespace velista {

class FrequencyChart : public QWidget {
    Q_OBJECT

public:
    explicit FrequencyChart(QWidget* parent = nullptr);

    void SetStatistics(const analysis::SymbolStatistics& statistics);
    // The share of all alphabet symbols that fills the chart's height; two charts side by side use the same
    // scale, so that the flat ciphertext bars are seen against the tall plain-text ones.
    void SetScale(double highestShare);

    const analysis::SymbolStatistics& Statistics() const { return statistics_; }
    // The symbol of bar i, 0 to 134.
    static char16_t SymbolOfBar(int bar);
    // Bar i's share of the text's alphabet symbols, 0 when it has none.
    double Share(int bar) const;
    double HighestShare() const;
    // The expected share of each symbol in Russian text drawn over the bars, as a mark across each.
    void ShowExpected(bool show);
    bool ExpectedShown() const { return expectedShown_; }
    // The bars from the most frequent symbol of the text to the least (equal ones by their Russian share,
    // then in the chart's order), or in the groups.
    void SortByFrequency(bool sorted);
    bool SortedByFrequency() const { return sorted_; }
    // The bar drawn at place i from the left.
    int BarAtPlace(int place) const { return order_[std::size_t(place)]; }
    // The bar under a point of the widget, or -1.
    int BarAt(QPoint point) const;
    // "Чаще всего: пробел 17,9 %, «о» 9,3 %, …. Индекс совпадений: 0,0531.", also the accessible description.
    QString Summary() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect PlotArea() const;
    // Two lines of labels under the axis: a group label that would overlap its left neighbour goes one line down.
    int LabelHeight() const;

    void Order();

    analysis::SymbolStatistics statistics_;
    double scale_ = 0;
    bool expectedShown_ = false;
    bool sorted_ = false;
    std::array<int, analysis::SymbolStatistics::Symbols> order_{};
};

}  // namespace velista
