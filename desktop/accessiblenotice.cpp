// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblenotice.h"

#include <QAccessibleWidget>

namespace {
QAccessibleInterface* NoticeInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("AccessibleNotice") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}
} // namespace

AccessibleNotice::AccessibleNotice(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(NoticeInterface), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
    hide();
}

void AccessibleNotice::Announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

void AccessibleNotice::Withdraw()
{
    hide();
    setAccessibleName(QString());
}
