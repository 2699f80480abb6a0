// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/StatusBar.h"

#include "machine/Checked.h"
#include "platform/KeyboardState.h"
#include "window_kit/DesignZoom.h"
#include "window_kit/Fonts.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace velista {

namespace {

struct PanelDesign {
    int width;     // twips
    int minWidth;  // twips
    int stretch;
    const char* text;
};

constexpr std::array<PanelDesign, StatusBar::PanelCount> Panels = {{
    {3333, 3333, 0, ""},
    {6036, 666, 1, ""},
    {488, 488, 0, "CAPS"},
    {555, 555, 0, "NUM"},
    {555, 555, 0, ""},
}};

// The WCAG contrast ratio of two colours.
double Luminance(const QColor& colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The dimmed text of an indicator that is off: the style's disabled grey (2.3:1 on the status bar's face
// with Fusion, too faint to read on a projector) darkened just enough to reach 4.5:1.
QColor DimmedText(const QPalette& design)
{
    const QColor face = design.color(QPalette::Active, QPalette::Window);
    QColor text = design.color(QPalette::Disabled, QPalette::WindowText);
    for (int step = 0; step < 100 && Contrast(text, face) < StatusBar::MinimumContrast; ++step)
        text = text.darker(103);
    return text;
}

// Shown in full while the lock is on, dimmed while it is off; the name a screen reader gives and the
// tooltip say which, as some cannot tell the two greys apart.
void ShowIndicator(QLabel* panel, const QPalette& design, bool on, const QString& key)
{
    QPalette palette = design;
    palette.setColor(QPalette::WindowText, on ? design.color(QPalette::Active, QPalette::WindowText) : DimmedText(design));
    panel->setPalette(palette);
    panel->setProperty("on", on);
    const QString state = QStringLiteral("%1 %2").arg(panel->text(), on ? StatusBar::tr("включён") : StatusBar::tr("выключен"));
    if (panel->accessibleName() != state) {
        panel->setAccessibleName(state);
        panel->setToolTip(QStringLiteral("%1 %2").arg(key, on ? StatusBar::tr("включён") : StatusBar::tr("выключен")));
    }
}

}  // namespace

StatusBar::StatusBar(QWidget* parent, KeyboardState& keyboard)
    : QStatusBar(parent)
    , keyboard_(keyboard)
{
    setObjectName("StatusBar1");
    setSizeGripEnabled(false);
    SetDesignFixedHeight(this, 285);
    setStyleSheet("QStatusBar::item { border: none; }");
    for (int i = 0; i < PanelCount; ++i) {
        const PanelDesign& design = Panels[static_cast<std::size_t>(i)];
        auto* panel = new QLabel(QString::fromUtf8(design.text), this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        // Set on each panel: the status bar's style sheet keeps the window's font from reaching them all.
        SetDesignFont(panel, DesignFont(8.25));
        SetDesignMinimumWidth(panel, design.minWidth);
        if (design.stretch == 0)
            SetDesignFixedWidth(panel, design.width);
        addPermanentWidget(panel, design.stretch);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
    lockTimer_ = new QTimer(this);
    lockTimer_->setInterval(100);
    connect(lockTimer_, &QTimer::timeout, this, &StatusBar::RefreshLockIndicators);
    lockTimer_->start();
    RefreshLockIndicators();
}

QLabel* StatusBar::Panel(int panel) const
{
    CheckIndex(panel, 1, PanelCount);
    return panels_[static_cast<std::size_t>(panel - 1)];
}

QString StatusBar::PanelText(int panel) const { return Panel(panel)->text(); }

void StatusBar::SetPanelText(int panel, const QString& text) { Panel(panel)->setText(text); }

void StatusBar::RefreshLockIndicators()
{
    ShowIndicator(Panel(3), palette(), keyboard_.CapsLock(), QStringLiteral("Caps Lock"));
    ShowIndicator(Panel(4), palette(), keyboard_.NumLock(), QStringLiteral("Num Lock"));
}

}  // namespace velista
