// SPDX-License-Identifier: GPL-3.0-or-later

#include "commdlg.h"

#include "filedialog.h"
#include "winapp.h"
#include "wnd.h"

#include <QFileDialog>

#include <cstring>

namespace {
bool g_dialogOpen = false;

// A pattern as Qt's dialog matches it: letters in either case; "*.*" for every name.
QString QtPattern(const QString& pattern)
{
    if (pattern == QLatin1String("*.*"))
        return QStringLiteral("*");
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}

// "Text (*.[tT][xX][tT])", one for each pair of the list; the dialog shows only the descriptions.
QStringList NameFilters(const char* list)
{
    QStringList filters;
    while (list && *list) {
        const QString description = QString::fromUtf8(list);
        list += std::strlen(list) + 1;
        const QString pattern = QString::fromUtf8(list);
        list += std::strlen(list) + 1;
        filters << QStringLiteral("%1 (%2)").arg(description, QtPattern(pattern));
    }
    return filters;
}

BOOL RunFileDialog(OPENFILENAMEA* lpofn, QFileDialog::AcceptMode mode)
{
    if (g_dialogOpen)
        return FALSE;
    g_dialogOpen = true;
    // A parent keeps the dialog over the main window; it is application-modal all the same.
    const CWnd* owner = lpofn->hwndOwner ? lpofn->hwndOwner : (AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr);
    QFileDialog dialog(owner ? owner->GetSafeHwnd() : nullptr,
                       lpofn->lpstrTitle ? QString::fromUtf8(lpofn->lpstrTitle) : QString());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(lpofn->Flags & OFN_FILEMUSTEXIST ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(lpofn->Flags & OFN_OVERWRITEPROMPT));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = NameFilters(lpofn->lpstrFilter);
    dialog.setNameFilters(filters);
    if (lpofn->nFilterIndex >= 1 && lpofn->nFilterIndex <= static_cast<DWORD>(filters.size()))
        dialog.selectNameFilter(filters[static_cast<int>(lpofn->nFilterIndex) - 1]);
    if (lpofn->lpstrDefExt)
        dialog.setDefaultSuffix(QString::fromUtf8(lpofn->lpstrDefExt));
    if (lpofn->lpstrInitialDir)
        dialog.setDirectory(QString::fromUtf8(lpofn->lpstrInitialDir));
    if (lpofn->lpstrFile && !lpofn->lpstrFile->empty())
        dialog.selectFile(QString::fromStdString(*lpofn->lpstrFile));

    const QString chosen = RunFileDialog(dialog);
    g_dialogOpen = false;
    if (chosen.isEmpty() || !lpofn->lpstrFile)
        return FALSE;
    *lpofn->lpstrFile = chosen.toStdString();
    return TRUE;
}
} // namespace

BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn)
{
    return RunFileDialog(lpofn, QFileDialog::AcceptSave);
}

BOOL GetOpenFileNameA(OPENFILENAMEA* lpofn)
{
    return RunFileDialog(lpofn, QFileDialog::AcceptOpen);
}
