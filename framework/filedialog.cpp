// SPDX-License-Identifier: GPL-3.0-or-later

#include "filedialog.h"

#include <QFileDialog>

namespace {
std::function<QString(QFileDialog&)>& FileDialogHook()
{
    static std::function<QString(QFileDialog&)> hook;
    return hook;
}
} // namespace

QString RunFileDialog(QFileDialog& dialog)
{
    if (FileDialogHook())
        return FileDialogHook()(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void SetFileDialogHook(std::function<QString(QFileDialog&)> hook)
{
    FileDialogHook() = std::move(hook);
}
