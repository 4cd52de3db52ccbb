// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog.h"

#include "dialogsurface.h"
#include "resources.h"
#include "winapp.h"

#include <QDialog>
#include <QVBoxLayout>

namespace {
// The dialog's window: Escape and the close box reach the dialog as its Cancel command.
class DialogWindow : public QDialog
{
public:
    DialogWindow(CDialog* dialog, QWidget* parent) : QDialog(parent), m_dialog(dialog) {}

    void reject() override { m_dialog->OnCmdMsg(IDCANCEL, CN_COMMAND); }

private:
    CDialog* m_dialog;
};
} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{}

const AFX_MSGMAP* CDialog::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CDialog::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CWnd::GetThisMessageMap,
                                {MapCommand(IDOK, &CDialog::OnOK), MapCommand(IDCANCEL, &CDialog::OnCancel)}};
    return &map;
}

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nIDTemplate);
    if (!dialogTemplate)
        return -1;
    CWnd* owner = m_pParentWnd ? m_pParentWnd : (AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr);
    auto* window = new DialogWindow(this, owner ? owner->GetSafeHwnd() : nullptr);
    window->setWindowTitle(QString::fromUtf8(dialogTemplate->caption));
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* surface = new DialogSurface(*dialogTemplate, this, window);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(surface);
    if (owner && owner->GetSafeHwnd())
        window->setWindowIcon(owner->GetSafeHwnd()->windowIcon());
    Attach(window);
    m_pDialogSurface = surface;
    const int result = window->exec();
    DestroyWindow();
    return result;
}

void CDialog::EndDialog(int nResult)
{
    if (auto* window = qobject_cast<QDialog*>(GetSafeHwnd()))
        window->done(nResult);
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
