// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wnd.h"

// A modal dialog made from a dialog template. OK (IDOK) and Cancel (IDCANCEL, also Escape and the
// close box) end it through OnOK and OnCancel.
class CDialog : public CWnd
{
public:
    // Without a parent the dialog's owner is the application's main window.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Shows the dialog and returns how it was ended (IDOK, IDCANCEL), or -1 when it could not be made.
    virtual int DoModal();
    void EndDialog(int nResult);

protected:
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
