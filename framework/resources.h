#pragma once

#include "dialogtemplate.h"

#include <vector>

// The program's resources as the framework looks them up by ID.
struct ResourceModule
{
    std::vector<const DialogTemplate*> dialogs;
};

// Names the module whose resources the framework uses from now on.
void AfxSetResourceHandle(const ResourceModule* module);

// The dialog template with this ID, or null when the module has none.
const DialogTemplate* AfxFindDialogTemplate(UINT nIDTemplate);
