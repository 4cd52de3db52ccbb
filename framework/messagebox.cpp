#include "messagebox.h"

#include "resources.h"
#include "winapp.h"
#include "wnd.h"

#include <QDir>
#include <QMessageBox>

namespace {
std::function<int(const QString&, UINT)>& MessageBoxHook()
{
    static std::function<int(const QString&, UINT)> hook;
    return hook;
}

QMessageBox::Icon IconOf(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Warning;
    }
}
} // namespace

int AfxMessageBox(const QString& text, UINT nType)
{
    if (MessageBoxHook())
        return MessageBoxHook()(text, nType);
    const CWinApp* app = AfxGetApp();
    const CWnd* mainWnd = app ? app->m_pMainWnd : nullptr;
    QMessageBox box(IconOf(nType), app ? app->m_pszAppName : QString(), text, QMessageBox::Ok,
                    mainWnd ? mainWnd->GetSafeHwnd() : nullptr);
    box.exec();
    return IDOK;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType);
}

void AfxReportFileError(const QString& what, const QString& pathName, const QString& reason)
{
    AfxMessageBox(QStringLiteral("%1 « %2 » : %3.").arg(what, QDir::toNativeSeparators(pathName), reason),
                  MB_ICONEXCLAMATION);
}

void AfxSetMessageBoxHook(std::function<int(const QString& text, UINT nType)> hook)
{
    MessageBoxHook() = std::move(hook);
}
