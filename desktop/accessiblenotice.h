// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A message for screen readers that has no place on screen: an invisible widget that screen
// readers know as a notification. Showing a notification is what makes them speak it at once,
// whatever has the focus; a description or a status bar that changes is read only when asked for.
class AccessibleNotice : public QWidget
{
    Q_OBJECT

public:
    explicit AccessibleNotice(QWidget* parent);

    // Speaks the text now, even the same text again.
    void Announce(const QString& text);
    // The notice is over: it leaves the accessibility tree's visible objects.
    void Withdraw();
};
