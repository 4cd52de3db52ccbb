// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputmethodedit.h"

#include <QInputMethodEvent>
#include <QSignalBlocker>

InputMethodEdit::InputMethodEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    connect(this, &QLineEdit::textChanged, this, &InputMethodEdit::OnTextChanged);
}

// Qt's edit drops the selection as soon as a pre-edit starts; the system's edit control leaves its
// text alone until the input method commits.
void InputMethodEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!m_bComposing) {
        m_strBeforeComposition = text();
        m_nSelectionStart = selectionStart();
        m_nSelectionLength = static_cast<int>(selectedText().size());
    }
    const bool commits = !event->commitString().isEmpty() || event->replacementLength() > 0;
    m_bInComposition = !commits;
    QLineEdit::inputMethodEvent(event);
    m_bInComposition = false;
    m_bComposing = !event->preeditString().isEmpty();
    if (!m_bComposing && !commits && text() != m_strBeforeComposition) {
        const QSignalBlocker blocker(this);
        setText(m_strBeforeComposition);
        if (m_nSelectionStart >= 0)
            setSelection(m_nSelectionStart, m_nSelectionLength);
    }
}

void InputMethodEdit::OnTextChanged()
{
    if (!m_bInComposition)
        emit changed();
}
