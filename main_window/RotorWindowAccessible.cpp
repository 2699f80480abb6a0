// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/RotorWindowAccessible.h"

#include "main_window/RotorWindow.h"

#include <algorithm>

#include <QCoreApplication>

namespace velista {

RotorWindowAccessible::RotorWindowAccessible(RotorWindow* window)
    : QAccessibleWidget(window, QAccessible::StaticText)
{
}

QAccessibleInterface* RotorWindowAccessible::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("velista::RotorWindow"))
        if (auto* window = qobject_cast<RotorWindow*>(object))
            return new RotorWindowAccessible(window);
    return nullptr;
}

RotorWindow* RotorWindowAccessible::rotorWindow() const { return static_cast<RotorWindow*>(widget()); }

void* RotorWindowAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString RotorWindowAccessible::text(QAccessible::Text t) const
{
    const QString top = rotorWindow()->TopSymbol();
    switch (t) {
    case QAccessible::Value:
        return top;
    case QAccessible::Description:
        // A reader that speaks only names and descriptions still hears the symbol on top.
        if (top.isEmpty())
            return QCoreApplication::translate("velista::RotorWindowAccessible", "роторы не установлены");
        return top == QStringLiteral(" ") ? QCoreApplication::translate("velista::RotorWindowAccessible", "сверху пробел") : QCoreApplication::translate("velista::RotorWindowAccessible", "сверху «%1»").arg(top);
    default:
        return QAccessibleWidget::text(t);
    }
}

void RotorWindowAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString RotorWindowAccessible::text(int startOffset, int endOffset) const
{
    const QString symbols = rotorWindow()->VisibleSymbols();
    const int start = std::clamp(startOffset, 0, int(symbols.size()));
    const int end = endOffset < 0 ? int(symbols.size()) : std::clamp(endOffset, start, int(symbols.size()));
    return symbols.mid(start, end - start);
}

int RotorWindowAccessible::characterCount() const { return int(rotorWindow()->VisibleSymbols().size()); }

QRect RotorWindowAccessible::characterRect(int) const { return {}; }

int RotorWindowAccessible::offsetAtPoint(const QPoint&) const { return -1; }

QString RotorWindowAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

}  // namespace velista
