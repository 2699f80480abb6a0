// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns of a menu title in the menu bar: its name without the blanks that pad the
// designed titles (' Файл ' is read «Файл»), its menu as its one child, and the commands to open it.

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenuBar;

namespace velista {

class MenuTitleAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuTitleAccessible(QMenuBar* bar, QAction* title);

    // For QAccessible::installFactory: answers for the menu titles of a menu bar only.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenuBar> bar_;
    QPointer<QAction> title_;
};

}  // namespace velista
