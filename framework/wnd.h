// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cmdtarget.h"

#include <QPointer>
#include <QString>

class CFrameWnd;
class DialogSurface;
class QWidget;

// A window: one Qt widget, which it owns, with the control ID it has in its dialog. A window made
// from a dialog template also answers the dialog-item operations for its controls.
class CWnd : public CCmdTarget
{
public:
    CWnd() = default;
    ~CWnd() override;

    // Takes the widget as this window's own; the framework finds the window from the widget from now on.
    void Attach(QWidget* widget, int nID = 0);
    QWidget* GetSafeHwnd() const;
    // Destroys the window's widget, and with it its children.
    void DestroyWindow();
    void ShowWindow(int nCmdShow);
    // Repaints the window at once.
    void UpdateWindow();
    static CWnd* FromHandlePermanent(const QWidget* widget);

    // The window that has the keyboard focus in this application, or null.
    static CWnd* GetFocus();
    void SetFocus();
    // A disabled window, and every control in it, takes no keys and no clicks. EnableWindow returns
    // whether the window was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    int GetDlgCtrlID() const { return m_nID; }
    // The style of a control of a dialog, as its dialog keeps it: Tab and GetNextDlgTabItem skip a
    // control without WS_TABSTOP, and an edit with ES_READONLY takes no typing. ModifyStyle removes
    // dwRemove, then adds dwAdd; FALSE, and GetStyle 0, for a window that is no such control.
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd);
    CFrameWnd* GetParentFrame() const;

    // Dialog items, found by control ID; an ID that names no control is left alone.
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    // The item's text read as a signed decimal number: blanks skipped, an optional minus sign, then
    // the digits up to the first character that is not one. 0 when no digit follows.
    int GetDlgItemInt(int nID) const;
    QString GetDlgItemText(int nID) const;
    // Both raise the item's change notification before they return.
    void SetDlgItemText(int nID, const QString& text);
    void SetDlgItemInt(int nID, int nValue);

protected:
    QPointer<DialogSurface> m_pDialogSurface; // the controls, for windows made from a dialog template

private:
    void Detach();

    QPointer<QWidget> m_widget;
    const QWidget* m_pRegistered = nullptr; // the key of this window in the widget map, even after Qt deleted it
    int m_nID = 0;
};
