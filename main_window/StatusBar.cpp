// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/StatusBar.h"

#include "machine/Checked.h"
#include "platform/KeyboardState.h"
#include "window_kit/DesignZoom.h"
#include "window_kit/Fonts.h"

#include <QLabel>
#include <QTimer>

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

// Shown in full while the lock is on, dimmed while it is off.
void ShowIndicator(QLabel* panel, const QPalette& design, bool on)
{
    QPalette palette = design;
    palette.setColor(QPalette::WindowText, design.color(on ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    panel->setPalette(palette);
    panel->setProperty("on", on);
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
    ShowIndicator(Panel(3), palette(), keyboard_.CapsLock());
    ShowIndicator(Panel(4), palette(), keyboard_.NumLock());
}

}  // namespace velista
