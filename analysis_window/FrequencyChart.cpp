// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/FrequencyChart.h"

#include "analysis_window/NumberText.h"

#include "machine/Alphabet.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <iterator>
#include <utility>

namespace velista {

namespace {

constexpr int Symbols = analysis::SymbolStatistics::Symbols;
constexpr int LeftMargin = 44;  // room for the scale's label
constexpr int Margin = 6;
constexpr int BottomMargin = 18;

// The alphabet in code order: ( ) , - . digits : A-Z [ ] a-z А-Я а-я, the order a reader knows. The machine's own
// order (rotor 0's entry row) is scrambled.
const std::array<char16_t, Symbols>& BarOrder()
{
    static const std::array<char16_t, Symbols> order = [] {
        std::array<char16_t, Symbols> symbols{};
        const std::u16string_view alphabet = Alphabet::Machine().Text();
        std::copy(alphabet.begin(), alphabet.end(), symbols.begin());
        std::sort(symbols.begin(), symbols.end());
        return symbols;
    }();
    return order;
}

}  // namespace

char16_t FrequencyChart::SymbolOfBar(int bar)
{
    return BarOrder().at(static_cast<std::size_t>(bar));
}

FrequencyChart::FrequencyChart(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FrequencyChart::SetStatistics(const analysis::SymbolStatistics& statistics)
{
    statistics_ = statistics;
    update();
}

void FrequencyChart::SetScale(double highestShare)
{
    scale_ = highestShare;
    update();
}

double FrequencyChart::Share(int bar) const
{
    const std::uint64_t total = statistics_.SymbolCount();
    return total == 0 ? 0 : static_cast<double>(statistics_.Count(SymbolOfBar(bar))) / static_cast<double>(total);
}

double FrequencyChart::HighestShare() const
{
    double highest = 0;
    for (int s = 0; s < Symbols; ++s)
        highest = std::max(highest, Share(s));
    return highest;
}

QRect FrequencyChart::PlotArea() const
{
    return rect().adjusted(LeftMargin, Margin, -Margin, -BottomMargin);
}

int FrequencyChart::BarAt(QPoint point) const
{
    const QRect area = PlotArea();
    if (!area.contains(point) || area.width() <= 0)
        return -1;
    return std::min(Symbols - 1, (point.x() - area.left()) * Symbols / area.width());
}

QSize FrequencyChart::sizeHint() const { return {LeftMargin + Margin + 3 * Symbols, 180}; }

QSize FrequencyChart::minimumSizeHint() const { return {LeftMargin + Margin + Symbols, 100}; }

void FrequencyChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRect area = PlotArea();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const double scale = scale_ > 0 ? scale_ : HighestShare();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, area.top(), LeftMargin - 4, painter.fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignTop, NumberText::Decimal(scale * 100, 1) + QStringLiteral(" %"));
    painter.drawText(QRect(0, area.bottom() - painter.fontMetrics().height(), LeftMargin - 4,
                           painter.fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    // Under the axis, where each group begins: the digits, the Latin and the Russian capitals and small letters.
    for (int s = 0; s < Symbols; ++s) {
        static const std::pair<char16_t, const char16_t*> groups[] = {
            {u'0', u"0–9"}, {u'A', u"A–Z"}, {u'a', u"a–z"}, {u'А', u"А–Я"}, {u'а', u"а–я"}};
        const char16_t symbol = SymbolOfBar(s);
        const auto group = std::find_if(std::begin(groups), std::end(groups),
                                        [symbol](const auto& g) { return g.first == symbol; });
        if (group == std::end(groups))
            continue;
        const int x = area.left() + s * area.width() / Symbols;
        painter.drawText(QRect(x, area.bottom() + 2, 40, BottomMargin - 2), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromUtf16(group->second));
    }
    if (scale <= 0)
        return;
    const QColor bar = palette().color(QPalette::Highlight);
    for (int s = 0; s < Symbols; ++s) {
        const int left = area.left() + s * area.width() / Symbols;
        const int right = area.left() + (s + 1) * area.width() / Symbols;
        const int height = static_cast<int>(std::min(1.0, Share(s) / scale) * (area.height() - 1) + 0.5);
        if (height > 0)
            painter.fillRect(QRect(left, area.bottom() - height, std::max(1, right - left - 1), height), bar);
    }
}

bool FrequencyChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int bar = BarAt(help->pos());
    if (bar < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const QChar symbol = SymbolOfBar(bar);
    const QString shown = symbol == u' ' ? QStringLiteral("пробел") : QStringLiteral("«%1»").arg(symbol);
    QToolTip::showText(help->globalPos(),
                       QStringLiteral("%1: %2 раз, %3 %").arg(shown, NumberText::Whole(statistics_.Count(SymbolOfBar(bar))),
                                                              NumberText::Decimal(Share(bar) * 100, 2)),
                       this);
    return true;
}

}  // namespace velista
