// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/DesignZoom.h"

#include "window_kit/Twips.h"

#include <QHeaderView>
#include <QVariant>
#include <QWidget>

#include <functional>

namespace velista {

namespace {

const char* const DesignRect = "designTwips";
const char* const DesignPoints = "designPoints";
const char* const DesignFixedWidth = "designFixedWidthTwips";
const char* const DesignMinimumWidth = "designMinimumWidthTwips";
const char* const DesignFixedHeight = "designFixedHeightTwips";
const char* const DesignFixedSize = "designFixedSizeTwips";
const char* const DesignInitialSize = "designInitialPixels";
const char* const DesignSection = "designSectionPixels";
const char* const ZoomedSize = "zoomedSize";
const char* const BaseSize = "zoomBaseSize";
const char* const Applied = "appliedZoom";

// The factor the control's window was zoomed to: a control built after a zoom starts at it.
double WindowFactor(const QWidget* control)
{
    for (const QWidget* w = control; w != nullptr; w = w->parentWidget()) {
        const QVariant applied = w->property(Applied);
        if (applied.isValid())
            return applied.toDouble();
        if (w->isWindow())
            break;
    }
    return 1.0;
}

// Every widget of root's window below root; another window (a child window of the main window) is zoomed
// on its own, but a window's menus, which are popups, belong to it.
void Descend(QWidget* parent, const std::function<void(QWidget*)>& visit)
{
    // A copy: a widget that changes its font may raise a child, which reorders the list.
    const QObjectList children = parent->children();
    for (QObject* child : children) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w == nullptr || (w->isWindow() && w->windowType() != Qt::Popup))
            continue;
        visit(w);
        Descend(w, visit);
    }
}

void ApplyDesign(QWidget* w, double factor, double previous)
{
    if (const QVariant rect = w->property(DesignRect); rect.isValid())
        w->setGeometry(ZoomedTwipsRect(rect.toRect(), factor));
    if (const QVariant points = w->property(DesignPoints); points.isValid()) {
        QFont font = w->font();
        font.setPointSizeF(points.toDouble() * factor);
        w->setFont(font);
    }
    if (const QVariant width = w->property(DesignFixedWidth); width.isValid())
        w->setFixedWidth(ZoomedTwips(width.toInt(), factor));
    if (const QVariant width = w->property(DesignMinimumWidth); width.isValid())
        w->setMinimumWidth(ZoomedTwips(width.toInt(), factor));
    if (const QVariant height = w->property(DesignFixedHeight); height.isValid())
        w->setFixedHeight(ZoomedTwips(height.toInt(), factor));
    if (const QVariant size = w->property(DesignFixedSize); size.isValid())
        w->setFixedSize(ZoomedTwips(size.toSize().width(), factor), ZoomedTwips(size.toSize().height(), factor));
    if (auto* header = qobject_cast<QHeaderView*>(w)) {
        // Qt passes a changed font on to a table's vertical header but not to its horizontal one (Qt 6.4),
        // nor do a header's default row height and column width follow its font.
        if (!w->property(DesignPoints).isValid() && w->parentWidget() != nullptr)
            header->setFont(w->parentWidget()->font());
        if (const QVariant section = w->property(DesignSection); section.isValid())
            header->setDefaultSectionSize(qRound(section.toInt() * factor));
    }
    if (const QVariant size = w->property(DesignInitialSize); size.isValid()) {
        // The size at 100 %: the design's, or the one the user gave the window since the last zoom.
        QSize base = w->property(BaseSize).isValid() ? w->property(BaseSize).toSize() : size.toSize();
        if (w->property(ZoomedSize).isValid() && w->property(ZoomedSize).toSize() != w->size())
            base = QSize(qRound(w->width() / previous), qRound(w->height() / previous));
        w->setProperty(BaseSize, base);
        w->resize(qRound(base.width() * factor), qRound(base.height() * factor));
        w->setProperty(ZoomedSize, w->size());
    }
}

}  // namespace

int ZoomedTwips(int twips, double factor) { return TwipsToPixels(twips * factor); }

QRect ZoomedTwipsRect(const QRect& twips, double factor)
{
    const int left = ZoomedTwips(twips.x(), factor);
    const int top = ZoomedTwips(twips.y(), factor);
    const int right = ZoomedTwips(twips.x() + twips.width(), factor);
    const int bottom = ZoomedTwips(twips.y() + twips.height(), factor);
    return {left, top, right - left, bottom - top};
}

void PlaceDesigned(QWidget* control, const QRect& twips)
{
    control->setProperty(DesignRect, twips);
    ApplyDesign(control, WindowFactor(control), 1.0);
}

void SetDesignFont(QWidget* control, const QFont& font)
{
    control->setFont(font);
    control->setProperty(DesignPoints, font.pointSizeF());
    ApplyDesign(control, WindowFactor(control), 1.0);
}

void SetDesignFixedWidth(QWidget* control, int twips)
{
    control->setProperty(DesignFixedWidth, twips);
    control->setFixedWidth(ZoomedTwips(twips, WindowFactor(control)));
}

void SetDesignMinimumWidth(QWidget* control, int twips)
{
    control->setProperty(DesignMinimumWidth, twips);
    control->setMinimumWidth(ZoomedTwips(twips, WindowFactor(control)));
}

void SetDesignFixedHeight(QWidget* control, int twips)
{
    control->setProperty(DesignFixedHeight, twips);
    control->setFixedHeight(ZoomedTwips(twips, WindowFactor(control)));
}

void SetDesignFixedSize(QWidget* window, const QSize& twips)
{
    window->setProperty(DesignFixedSize, twips);
    const double factor = WindowFactor(window);
    window->setFixedSize(ZoomedTwips(twips.width(), factor), ZoomedTwips(twips.height(), factor));
}

void SetDesignInitialSize(QWidget* window, const QSize& pixels)
{
    window->setProperty(DesignInitialSize, pixels);
    const double factor = WindowFactor(window);
    window->resize(qRound(pixels.width() * factor), qRound(pixels.height() * factor));
}

void ApplyZoom(QWidget* root, double factor)
{
    const double previous = AppliedZoom(root);
    // Parents first, so that a child's own font wins over the one it inherits.
    ApplyDesign(root, factor, previous);
    Descend(root, [&](QWidget* w) { ApplyDesign(w, factor, previous); });
    root->setProperty(Applied, factor);
}

void RecordBuiltDesign(QWidget* window)
{
    const auto recordFont = [](QWidget* w) {
        if (!w->property(DesignPoints).isValid() && w->font().pointSizeF() > 0)
            w->setProperty(DesignPoints, w->font().pointSizeF());
    };
    const auto recordFixed = [](QWidget* w) {
        // Pixels at 100 % are whole multiples of a pixel's 15 twips, so they zoom as the designed twips do.
        if (!w->property(DesignFixedWidth).isValid() && w->minimumWidth() == w->maximumWidth() && w->minimumWidth() > 0)
            w->setProperty(DesignFixedWidth, w->minimumWidth() * TwipsPerPixel);
        if (!w->property(DesignFixedHeight).isValid() && w->minimumHeight() == w->maximumHeight()
            && w->minimumHeight() > 0)
            w->setProperty(DesignFixedHeight, w->minimumHeight() * TwipsPerPixel);
    };
    recordFont(window);
    const bool fixed = window->minimumSize() == window->maximumSize();
    if (fixed && !window->property(DesignFixedSize).isValid())
        window->setProperty(DesignFixedSize, window->size() * TwipsPerPixel);
    if (!fixed && !window->property(DesignInitialSize).isValid())
        window->setProperty(DesignInitialSize, window->size());
    Descend(window, [&](QWidget* w) {
        if (w->testAttribute(Qt::WA_SetFont))
            recordFont(w);
        recordFixed(w);
        auto* header = qobject_cast<QHeaderView*>(w);
        if (header != nullptr && !w->property(DesignSection).isValid())
            w->setProperty(DesignSection, header->defaultSectionSize());
    });
}

void KeepZoomedSize(QWidget* window, const QSize& before)
{
    if (window->property(ZoomedSize).toSize() == before)
        window->setProperty(ZoomedSize, window->size());
}

double AppliedZoom(const QWidget* root)
{
    const QVariant applied = root->property(Applied);
    return applied.isValid() ? applied.toDouble() : 1.0;
}

}  // namespace velista
