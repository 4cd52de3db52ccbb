#include "resources.h"

namespace {
const ResourceModule* g_resourceModule = nullptr;
}

void AfxSetResourceHandle(const ResourceModule* module)
{
    g_resourceModule = module;
}

const DialogTemplate* AfxFindDialogTemplate(UINT nIDTemplate)
{
    if (!g_resourceModule)
        return nullptr;
    for (const DialogTemplate* dialog : g_resourceModule->dialogs) {
        if (dialog->id == nIDTemplate)
            return dialog;
    }
    return nullptr;
}
