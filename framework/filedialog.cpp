#include "filedialog.h"

#include <QFileDialog>

namespace {
std::function<int(QFileDialog&)>& FileDialogHook()
{
    static std::function<int(QFileDialog&)> hook;
    return hook;
}
} // namespace

int AfxRunFileDialog(QFileDialog& dialog)
{
    return FileDialogHook() ? FileDialogHook()(dialog) : dialog.exec();
}

void AfxSetFileDialogHook(std::function<int(QFileDialog&)> hook)
{
    FileDialogHook() = std::move(hook);
}
