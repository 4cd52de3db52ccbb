// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogtemplate.h"

#include <QWidget>

#include <memory>
#include <vector>

class CCmdTarget;
class CWnd;

// The client area of a window made from a dialog template: one control for each control of the
// template, created in template order at the template's positions, converted from dialog units with
// the template's font. Tab and Shift+Tab move among the controls in that order, wrapping around.
// The controls' notifications (EN_CHANGE, a button's click) go to the window that owns the surface.
class DialogSurface : public QWidget
{
public:
    DialogSurface(const DialogTemplate& dialogTemplate, CCmdTarget* pOwner, QWidget* parent);
    ~DialogSurface() override;

    CWnd* Item(int nID) const;
    // The next (or previous) visible, enabled tab stop after the control, wrapping from the last to the first.
    CWnd* NextTabItem(const CWnd* pControl, bool bPrevious) const;
    CWnd* FirstTabItem() const;
    QString ItemText(int nID) const;
    void SetItemText(int nID, const QString& text);
    // The control's style as the template gave it or ModifyItemStyle changed it; 0 for no control here.
    DWORD ItemStyle(const CWnd* pControl) const;
    bool ModifyItemStyle(const CWnd* pControl, DWORD dwRemove, DWORD dwAdd);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    struct Control
    {
        std::unique_ptr<CWnd> wnd;
        DWORD style;
    };

    void AddControl(const DialogItemTemplate& item, const class DialogUnits& units);
    void ClipOverlaps();
    QWidget* MakeControl(const DialogItemTemplate& item);
    bool IsTabStop(const Control& control) const;
    void Notify(int nID, int nCode);

    CCmdTarget* m_pOwner;
    std::vector<Control> m_controls;
};
