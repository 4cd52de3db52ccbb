// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

// An item of a pop-up menu as screen readers see it: Qt's own menu item, whose key binding gives
// its shortcut in the field where screen readers look for one. Qt 6.4 gives the shortcut alone
// ("Ctrl+N"), which AT-SPI's "mnemonic;path;shortcut" form makes the key path, and Orca says no
// shortcut; here it reads "Alt+N;;Ctrl+N".
class AccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleMenuItem(QMenu* menu, QAction* action);

    // Makes screen readers get this interface for the items of every pop-up menu from now on.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};
