// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/FrequencyChart.h"

#include "analysis_window/NumberText.h"
#include "analysis_window/RussianFrequencies.h"

#include "window_kit/PluralForm.h"

#include "machine/Alphabet.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStringList>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <span>
#include <iterator>
#include <limits>
#include <utility>

namespace velista {

namespace {

constexpr int Symbols = analysis::SymbolStatistics::Symbols;
constexpr int Margin = 6;
constexpr int Listed = 5;  // symbols named in the summary

// The groups of bars, in the order a reader knows them; within a group, code order.
struct Group {
    char16_t first, last;
    const char* label;  // in the catalogue
};
constexpr Group Groups[] = {{u' ', u']', QT_TRANSLATE_NOOP("velista::FrequencyChart", "␣ знаки")},
                            {u'0', u'9', "0–9"},
                            {u'A', u'Z', "A–Z"},
                            {u'a', u'z', "a–z"},
                            {u'А', u'Я', "А–Я"},
                            {u'а', u'я', "а–я"}};

int GroupOf(char16_t symbol)
{
    for (int g = 1; g < int(std::size(Groups)); ++g)
        if (symbol >= Groups[g].first && symbol <= Groups[g].last)
            return g;
    return 0;  // the space and the punctuation: ( ) , - . : [ ]
}

// The machine's own order (rotor 0's entry row) is scrambled.
const std::array<char16_t, Symbols>& BarOrder()
{
    static const std::array<char16_t, Symbols> order = [] {
        std::array<char16_t, Symbols> symbols{};
        const std::u16string_view alphabet = Alphabet::Machine().Text();
        std::copy(alphabet.begin(), alphabet.end(), symbols.begin());
        std::sort(symbols.begin(), symbols.end(), [](char16_t a, char16_t b) {
            return std::pair(GroupOf(a), a) < std::pair(GroupOf(b), b);
        });
        return symbols;
    }();
    return order;
}

QString SymbolName(QChar symbol)
{
    return symbol == u' ' ? FrequencyChart::tr("пробел") : QStringLiteral("«%1»").arg(symbol);
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
    // Reached by Tab, so that a screen reader reads the summary.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(Summary());
    Order();
}

void FrequencyChart::ShowExpected(bool show)
{
    expectedShown_ = show;
    update();
}

void FrequencyChart::SortByFrequency(bool sorted)
{
    sorted_ = sorted;
    Order();
    update();
}

void FrequencyChart::Order()
{
    for (int s = 0; s < Symbols; ++s)
        order_[std::size_t(s)] = s;
    if (!sorted_)
        return;
    std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) {
        return std::pair(Share(a), RussianFrequencies::Share(SymbolOfBar(a))) >
               std::pair(Share(b), RussianFrequencies::Share(SymbolOfBar(b)));
    });
}

void FrequencyChart::SetStatistics(const analysis::SymbolStatistics& statistics)
{
    statistics_ = statistics;
    setAccessibleDescription(Summary());
    Order();
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

QString FrequencyChart::Summary() const
{
    if (statistics_.SymbolCount() == 0)
        return tr("Символов алфавита нет.");
    std::array<int, Symbols> bars{};
    for (int s = 0; s < Symbols; ++s)
        bars[std::size_t(s)] = s;
    // Equal shares keep the chart's order.
    std::stable_sort(bars.begin(), bars.end(), [this](int a, int b) { return Share(a) > Share(b); });
    QStringList frequent;
    for (int i = 0; i < Listed && Share(bars[std::size_t(i)]) > 0; ++i)
        frequent << SymbolName(SymbolOfBar(bars[std::size_t(i)])) + u' '
                        + NumberText::Decimal(Share(bars[std::size_t(i)]) * 100, 1) + QStringLiteral(" %");
    const std::uint64_t count = statistics_.SymbolCount();
    return tr("%1 %2 алфавита. Чаще всего: %3. Индекс совпадений: %4.")
        .arg(NumberText::Whole(count), PluralForm("velista::FrequencyChart",
                                                  QT_TRANSLATE_N_NOOP("velista::FrequencyChart", "символ(а/ов)"),
                                                  qint64(count)),
             frequent.join(QStringLiteral(", ")),
             count < 2 ? tr("не определён (нужны два символа)")
                       : NumberText::Decimal(statistics_.IndexOfCoincidence(), 4));
}

int FrequencyChart::LabelHeight() const { return 2 * fontMetrics().height() + 4; }

QRect FrequencyChart::PlotArea() const
{
    // Room on the left for the scale's largest label, «100,0 %».
    const int left = fontMetrics().horizontalAdvance(QStringLiteral("100,0 %")) + Margin;
    return rect().adjusted(left, Margin, -Margin, -LabelHeight());
}

int FrequencyChart::BarAt(QPoint point) const
{
    const QRect area = PlotArea();
    if (!area.contains(point) || area.width() <= 0)
        return -1;
    return order_[std::size_t(std::min(Symbols - 1, (point.x() - area.left()) * Symbols / area.width()))];
}

QSize FrequencyChart::sizeHint() const
{
    const int left = fontMetrics().horizontalAdvance(QStringLiteral("100,0 %")) + Margin;
    return {left + Margin + 3 * Symbols, 4 * fontMetrics().height() + LabelHeight()};
}

QSize FrequencyChart::minimumSizeHint() const
{
    const int left = fontMetrics().horizontalAdvance(QStringLiteral("100,0 %")) + Margin;
    return {left + Margin + 2 * Symbols, 3 * fontMetrics().height() + LabelHeight()};
}

void FrequencyChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRect area = PlotArea();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const double scale = scale_ > 0 ? scale_ : HighestShare();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, area.top(), area.left() - 4, painter.fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignTop, NumberText::Decimal(scale * 100, 1) + QStringLiteral(" %"));
    painter.drawText(QRect(0, area.bottom() - painter.fontMetrics().height(), area.left() - 4,
                           painter.fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    // Under the axis, each group's label centred under its bars; one that would overlap the label before it on
    // the first line goes to the second.
    const QFontMetrics metrics = painter.fontMetrics();
    int firstLineEnd = std::numeric_limits<int>::min();
    if (sorted_)
        painter.drawText(QRect(area.left(), area.bottom() + 2, area.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop, tr("по убыванию частоты →"));
    for (const Group& group : sorted_ ? std::span<const Group>() : std::span<const Group>(Groups)) {
        int first = Symbols, last = -1;
        for (int s = 0; s < Symbols; ++s)
            if (GroupOf(SymbolOfBar(s)) == int(&group - Groups)) {
                first = std::min(first, s);
                last = std::max(last, s);
            }
        const int left = area.left() + first * area.width() / Symbols;
        const int right = area.left() + (last + 1) * area.width() / Symbols;
        const QString label = tr(group.label);
        const int width = metrics.horizontalAdvance(label);
        const int x = std::max(0, (left + right - width) / 2);
        const bool secondLine = x < firstLineEnd + metrics.horizontalAdvance(u' ');
        const int y = area.bottom() + 2 + (secondLine ? metrics.height() : 0);
        painter.drawText(QRect(x, y, width, metrics.height()), Qt::AlignLeft | Qt::AlignTop, label);
        if (!secondLine)
            firstLineEnd = x + width;
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
    if (scale <= 0)
        return;
    const QColor bar = palette().color(QPalette::Highlight);
    const auto height = [&](double share) {
        return static_cast<int>(std::min(1.0, share / scale) * (area.height() - 1) + 0.5);
    };
    for (int place = 0; place < Symbols; ++place) {
        const int left = area.left() + place * area.width() / Symbols;
        const int right = area.left() + (place + 1) * area.width() / Symbols;
        const int high = height(Share(order_[std::size_t(place)]));
        if (high > 0)
            painter.fillRect(QRect(left, area.bottom() - high, std::max(1, right - left - 1), high), bar);
    }
    if (!expectedShown_)
        return;
    // The second series: a mark two pixels thick across each bar at the share Russian text gives its symbol,
    // in the text colour, so that it stands out over the bars and the empty plot alike.
    const QColor mark = palette().color(QPalette::Text);
    for (int place = 0; place < Symbols; ++place) {
        const int left = area.left() + place * area.width() / Symbols;
        const int right = area.left() + (place + 1) * area.width() / Symbols;
        const int high = height(RussianFrequencies::Share(SymbolOfBar(order_[std::size_t(place)])));
        if (high > 0)
            painter.fillRect(QRect(left, area.bottom() - high - 1, std::max(2, right - left), 2), mark);
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
    const std::uint64_t count = statistics_.Count(SymbolOfBar(bar));
    QToolTip::showText(help->globalPos(),
                       QStringLiteral("%1: %2 %3, %4 %")
                           .arg(SymbolName(SymbolOfBar(bar)), NumberText::Whole(count),
                                PluralForm("velista::FrequencyChart",
                                           QT_TRANSLATE_N_NOOP("velista::FrequencyChart", "раз(а)"), qint64(count)),
                                NumberText::Decimal(Share(bar) * 100, 2)),
                       this);
    return true;
}

}  // namespace velista
