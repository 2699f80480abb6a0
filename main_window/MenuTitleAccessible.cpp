// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/MenuTitleAccessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

namespace velista {

MenuTitleAccessible::MenuTitleAccessible(QMenuBar* bar, QAction* title)
    : bar_(bar)
    , title_(title)
{
}

QAccessibleInterface* MenuTitleAccessible::Factory(const QString& className, QObject* object)
{
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || !action || !action->menu())
        return nullptr;
    for (QObject* owner : action->associatedObjects())
        if (auto* bar = qobject_cast<QMenuBar*>(owner))
            return new MenuTitleAccessible(bar, action);
    return nullptr;
}

bool MenuTitleAccessible::isValid() const { return bar_ && title_; }

QObject* MenuTitleAccessible::object() const { return title_; }

QWindow* MenuTitleAccessible::window() const { return bar_ ? bar_->window()->windowHandle() : nullptr; }

QAccessibleInterface* MenuTitleAccessible::childAt(int, int) const { return nullptr; }

QAccessibleInterface* MenuTitleAccessible::parent() const { return QAccessible::queryAccessibleInterface(bar_); }

QAccessibleInterface* MenuTitleAccessible::child(int index) const
{
    return index == 0 && title_ && title_->menu() ? QAccessible::queryAccessibleInterface(title_->menu()) : nullptr;
}

int MenuTitleAccessible::childCount() const { return title_ && title_->menu() ? 1 : 0; }

int MenuTitleAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && title_ && child->object() == title_->menu() ? 0 : -1;
}

QString MenuTitleAccessible::text(QAccessible::Text t) const
{
    if (!title_ || t != QAccessible::Name)
        return {};
    QString name = title_->text().trimmed();
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return name;
}

QRect MenuTitleAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = bar_->actionGeometry(title_);
    return QRect(bar_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State MenuTitleAccessible::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    state.focusable = true;
    state.hasPopup = true;
    state.disabled = !title_->isEnabled();
    state.invisible = !title_->isVisible() || !bar_->isVisible();
    state.focused = bar_->activeAction() == title_;
    state.expanded = title_->menu() && title_->menu()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

void* MenuTitleAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList MenuTitleAccessible::actionNames() const { return {showMenuAction(), pressAction()}; }

void MenuTitleAccessible::doAction(const QString& actionName)
{
    if (!isValid() || !title_->isEnabled())
        return;
    if (actionName == showMenuAction() || actionName == pressAction())
        bar_->setActiveAction(title_);
}

}  // namespace velista
