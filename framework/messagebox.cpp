// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagebox.h"

#include "resources.h"
#include "spokentext.h"
#include "winapp.h"
#include "wnd.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {
std::function<int(const QString&, UINT)>& MessageBoxHook()
{
    static std::function<int(const QString&, UINT)> hook;
    return hook;
}

std::function<void(QMessageBox&)>& MessageBoxDriver()
{
    static std::function<void(QMessageBox&)> driver;
    return driver;
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

// The desktop's usual question before changes are lost: save, don't save, or cancel the action,
// with a line that says what becomes of the changes. Escape cancels; the others have access keys.
void AddYesNoCancelButtons(QMessageBox& box)
{
    box.setInformativeText(AfxLoadString(IDS_ASK_TO_SAVE_DETAIL));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(AfxLoadString(IDS_SAVE_BUTTON));
    box.button(QMessageBox::Discard)->setText(AfxLoadString(IDS_DONT_SAVE_BUTTON));
    box.button(QMessageBox::Cancel)->setText(AfxLoadString(IDS_CANCEL_BUTTON));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
}

int ResultOf(const QMessageBox& box, UINT nType)
{
    if ((nType & MB_TYPEMASK) != MB_YESNOCANCEL)
        return IDOK;
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == box.button(QMessageBox::Save))
        return IDYES;
    if (clicked && clicked == box.button(QMessageBox::Discard))
        return IDNO;
    return IDCANCEL;
}
} // namespace

int AfxMessageBox(const QString& text, UINT nType)
{
    if (!MessageBoxDriver() && MessageBoxHook())
        return MessageBoxHook()(text, nType);
    const CWinApp* app = AfxGetApp();
    const CWnd* mainWnd = app ? app->m_pMainWnd : nullptr;
    QMessageBox box(IconOf(nType), app ? app->m_pszAppName : QString(), text, QMessageBox::Ok,
                    mainWnd ? mainWnd->GetSafeHwnd() : nullptr);
    if ((nType & MB_TYPEMASK) == MB_YESNOCANCEL)
        AddYesNoCancelButtons(box);
    // Screen readers read the label's name in place of its text.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text() == text && SpokenText(text) != text)
            label->setAccessibleName(SpokenText(text));
    }
    if (MessageBoxDriver())
        MessageBoxDriver()(box);
    else
        box.exec();
    return ResultOf(box, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType);
}

void ReportFileError(const QString& message, const QString& pathName, const QString& reason)
{
    AfxMessageBox(message.arg(QDir::toNativeSeparators(pathName), reason), MB_ICONEXCLAMATION);
}

void SetMessageBoxHook(std::function<int(const QString& text, UINT nType)> hook)
{
    MessageBoxHook() = std::move(hook);
}

void SetMessageBoxDriver(std::function<void(QMessageBox& box)> driver)
{
    MessageBoxDriver() = std::move(driver);
}
