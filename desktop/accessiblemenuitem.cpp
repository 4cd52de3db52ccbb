// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblemenuitem.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

namespace {
// A menu bar's items stay Qt's: they have no shortcut, and the menu bar may also lend them to the
// pop-up menu of its extension button.
QAccessibleInterface* MenuItemInterface(const QString&, QObject* object)
{
    auto* action = qobject_cast<QAction*>(object);
    if (!action)
        return nullptr;
    QMenu* menu = nullptr;
    for (QObject* owner : action->associatedObjects()) {
        if (qobject_cast<QMenuBar*>(owner))
            return nullptr;
        if (!menu)
            menu = qobject_cast<QMenu*>(owner);
    }
    return menu ? new AccessibleMenuItem(menu, action) : nullptr;
}

// The text without its mnemonic's marks, "&&" standing for "&".
QString WithoutMnemonic(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}
} // namespace

AccessibleMenuItem::AccessibleMenuItem(QMenu* menu, QAction* action) : m_menu(menu), m_action(action)
{}

void AccessibleMenuItem::Install()
{
    static const bool installed = (QAccessible::installFactory(MenuItemInterface), true);
    Q_UNUSED(installed);
}

void* AccessibleMenuItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

bool AccessibleMenuItem::isValid() const
{
    return m_menu && m_action;
}

QObject* AccessibleMenuItem::object() const
{
    return m_action;
}

QWindow* AccessibleMenuItem::window() const
{
    if (!m_menu)
        return nullptr;
    if (QWindow* own = m_menu->windowHandle())
        return own;
    const QWidget* native = m_menu->nativeParentWidget();
    return native ? native->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleMenuItem::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menu);
}

// An item that opens a submenu has the submenu for its only child.
QAccessibleInterface* AccessibleMenuItem::child(int index) const
{
    return index == 0 && m_action->menu() ? QAccessible::queryAccessibleInterface(m_action->menu()) : nullptr;
}

int AccessibleMenuItem::childCount() const
{
    return m_action->menu() ? 1 : 0;
}

int AccessibleMenuItem::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->role() == QAccessible::PopupMenu && child->object() == m_action->menu() ? 0 : -1;
}

QAccessibleInterface* AccessibleMenuItem::childAt(int x, int y) const
{
    QAccessibleInterface* submenu = child(0);
    return submenu && submenu->rect().contains(x, y) ? submenu : nullptr;
}

QString AccessibleMenuItem::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        return WithoutMnemonic(m_action->text());
    case QAccessible::Accelerator:
        if (!m_action->shortcut().isEmpty())
            return m_action->shortcut().toString();
        return QKeySequence::mnemonic(m_action->text()).toString();
    default:
        return {};
    }
}

void AccessibleMenuItem::setText(QAccessible::Text, const QString&)
{}

QRect AccessibleMenuItem::rect() const
{
    const QRect item = m_menu->actionGeometry(m_action);
    return item.translated(m_menu->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role AccessibleMenuItem::role() const
{
    return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State AccessibleMenuItem::state() const
{
    QAccessible::State state;
    if (!m_menu->testAttribute(Qt::WA_WState_Visible) || !m_action->isVisible())
        state.invisible = true;
    if (m_menu->activeAction() == m_action)
        state.focused = true;
    if (m_menu->style()->styleHint(QStyle::SH_Menu_MouseTracking, nullptr, m_menu))
        state.hotTracked = true;
    if (m_action->isSeparator() || !m_action->isEnabled())
        state.disabled = true;
    if (m_action->isChecked())
        state.checked = true;
    if (m_action->isCheckable())
        state.checkable = true;
    return state;
}

QStringList AccessibleMenuItem::actionNames() const
{
    if (m_action->isSeparator())
        return {};
    return {m_action->menu() ? showMenuAction() : pressAction()};
}

void AccessibleMenuItem::doAction(const QString& actionName)
{
    if (!m_action->isEnabled())
        return;
    if (actionName == pressAction()) {
        m_action->trigger();
    } else if (actionName == showMenuAction()) {
        if (m_action->menu() && m_action->menu()->isVisible())
            m_action->menu()->hide();
        else
            m_menu->setActiveAction(m_action);
    }
}

// The mnemonic, no key path, the shortcut: the three fields of an AT-SPI key binding.
QStringList AccessibleMenuItem::keyBindingsForAction(const QString&) const
{
    const QString mnemonic = QKeySequence::mnemonic(m_action->text()).toString(QKeySequence::NativeText);
    const QString shortcut = m_action->shortcut().toString(QKeySequence::NativeText);
    if (mnemonic.isEmpty() && shortcut.isEmpty())
        return {};
    return {mnemonic, QString(), shortcut};
}
