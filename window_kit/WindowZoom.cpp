// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/WindowZoom.h"

#include "window_kit/DesignZoom.h"
#include "window_kit/ScreenFit.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace velista {

namespace {

QAction* ZoomAction(QObject* owner, const char* name, const QString& caption, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    // A teacher zooms wherever the focus is: in the main window, the path and analysis windows or a help page.
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

}  // namespace

WindowZoom::WindowZoom(QSettings* store, QObject* parent)
    : QObject(parent)
    , store_(store)
{
    setObjectName("WindowZoom");
    // Ctrl+= comes first: it is the key a keyboard without a keypad gives for "+" without Shift.
    zoomIn_ = ZoomAction(this, "zoomInAction", tr("Крупнее"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    zoomOut_ = ZoomAction(this, "zoomOutAction", tr("Мельче"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    reset_ = ZoomAction(this, "zoomResetAction", tr("Обычный размер"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(zoomIn_, &QAction::triggered, this, &WindowZoom::ZoomIn);
    connect(zoomOut_, &QAction::triggered, this, &WindowZoom::ZoomOut);
    connect(reset_, &QAction::triggered, this, &WindowZoom::Reset);
    // A store that cannot be read (a broken file, a folder in its place) reads as empty: 100 %.
    if (store_ != nullptr && store_->status() == QSettings::NoError)
        percent_ = ParseStored(store_->value(QString::fromLatin1(SettingsKey)).toString());
    for (std::size_t k = 0; k < StandardDialogs.size(); ++k)
        dialogFonts_[k] = QApplication::font(StandardDialogs[k]);
    tooltipFont_ = QToolTip::font();
    UpdateActions();
    ZoomStandardType();
}

WindowZoom::~WindowZoom()
{
    if (!standardTypeZoomed_)
        return;
    for (std::size_t k = 0; k < StandardDialogs.size(); ++k)
        QApplication::setFont(dialogFonts_[k], StandardDialogs[k]);
    QToolTip::setFont(tooltipFont_);
}

int WindowZoom::ParseStored(const QString& text)
{
    bool number = false;
    const int percent = text.trimmed().toInt(&number);
    if (number && std::find(Steps.begin(), Steps.end(), percent) != Steps.end())
        return percent;
    return DesignPercent;
}

void WindowZoom::SetPercent(int percent)
{
    if (std::find(Steps.begin(), Steps.end(), percent) == Steps.end())
        qFatal("WindowZoom::SetPercent: %d %% is not a zoom step", percent);
    if (percent == percent_)
        return;
    percent_ = percent;
    UpdateActions();
    Store();
    ZoomStandardType();
    emit Changed(Factor());
}

void WindowZoom::ZoomStandardType()
{
    if (percent_ == DesignPercent && !standardTypeZoomed_)
        return;
    const auto zoomed = [this](QFont font) {
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * Factor());
        else
            font.setPixelSize(qRound(font.pixelSize() * Factor()));
        return font;
    };
    for (std::size_t k = 0; k < StandardDialogs.size(); ++k)
        QApplication::setFont(zoomed(dialogFonts_[k]), StandardDialogs[k]);
    QToolTip::setFont(zoomed(tooltipFont_));
    standardTypeZoomed_ = true;
}

void WindowZoom::ZoomIn()
{
    const auto next = std::upper_bound(Steps.begin(), Steps.end(), percent_);
    if (next != Steps.end())
        SetPercent(*next);
}

void WindowZoom::ZoomOut()
{
    const auto at = std::lower_bound(Steps.begin(), Steps.end(), percent_);
    if (at != Steps.begin())
        SetPercent(*(at - 1));
}

void WindowZoom::Reset() { SetPercent(DesignPercent); }

void WindowZoom::Follow(QWidget* window)
{
    RecordBuiltDesign(window);
    ApplyZoom(window, Factor());
    connect(this, &WindowZoom::Changed, window, [window](double factor) {
        ApplyZoom(window, factor);
        if (window->isVisible())
            FitOnScreen(*window, window->screen());
    });
}

void WindowZoom::UpdateActions()
{
    zoomIn_->setEnabled(percent_ < Steps.back());
    zoomOut_->setEnabled(percent_ > Steps.front());
    reset_->setEnabled(percent_ != DesignPercent);
}

void WindowZoom::Store()
{
    if (store_ == nullptr)
        return;
    // Back at the design size the key goes, so that a user who never zooms has nothing stored.
    if (percent_ == DesignPercent)
        store_->remove(QString::fromLatin1(SettingsKey));
    else
        store_->setValue(QString::fromLatin1(SettingsKey), percent_);
    // A store that cannot be written costs only the remembering: the zoom works for this session.
    store_->sync();
}

}  // namespace velista
