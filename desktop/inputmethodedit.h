// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// A single-line edit control whose text, as the program sees it, changes only by what reaches it:
// keys, pastes, the text an input method commits. While an input method composes, its pre-edit
// shows in the control but raises no change; the selection it took away for the pre-edit comes
// back if the composition is given up.
class InputMethodEdit : public QLineEdit
{
    Q_OBJECT

public:
    InputMethodEdit(const QString& text, QWidget* parent);

signals:
    // The text changed (EN_CHANGE).
    void changed();

protected:
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void OnTextChanged();

    bool m_bComposing = false;
    bool m_bInComposition = false; // the text changes now come from an input method's pre-edit
    QString m_strBeforeComposition;
    int m_nSelectionStart = -1;
    int m_nSelectionLength = 0;
};
