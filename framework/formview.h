// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "view.h"

// A view whose window is a form made from a dialog template: one control for each control of the
// template. When the view is smaller than the form, it scrolls.
class CFormView : public CView
{
public:
    explicit CFormView(UINT nIDTemplate);

    BOOL Create(CWnd* pParentWnd) override;

    // Resizes the frame so that the view just holds the whole form; with bShrinkOnly it only ever
    // makes the frame smaller, in each direction on its own.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

private:
    UINT m_nIDTemplate;
};
