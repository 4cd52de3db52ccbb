// SPDX-License-Identifier: GPL-3.0-or-later

#include "printdialog.h"

#include <QPrintDialog>

namespace {
std::function<bool(QPrintDialog&)>& PrintDialogHook()
{
    static std::function<bool(QPrintDialog&)> hook;
    return hook;
}
} // namespace

bool RunPrintDialog(QPrintDialog& dialog)
{
    if (PrintDialogHook())
        return PrintDialogHook()(dialog);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogHook(std::function<bool(QPrintDialog&)> hook)
{
    PrintDialogHook() = std::move(hook);
}
