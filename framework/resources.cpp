// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources.h"

namespace {
const ResourceModule* g_resourceModule = nullptr;

template <class T>
const T* FindById(const std::vector<const T*>& resources, UINT id)
{
    for (const T* resource : resources) {
        if (resource->id == id)
            return resource;
    }
    return nullptr;
}
} // namespace

void AfxSetResourceHandle(const ResourceModule* module)
{
    g_resourceModule = module;
}

const DialogTemplate* FindDialogTemplate(UINT nIDTemplate)
{
    return g_resourceModule ? FindById(g_resourceModule->dialogs, nIDTemplate) : nullptr;
}

const MenuTemplate* FindMenu(UINT nIDResource)
{
    return g_resourceModule ? FindById(g_resourceModule->menus, nIDResource) : nullptr;
}

const AcceleratorTable* FindAccelerators(UINT nIDResource)
{
    return g_resourceModule ? FindById(g_resourceModule->accelerators, nIDResource) : nullptr;
}

const ToolbarTemplate* FindToolbar(UINT nIDResource)
{
    return g_resourceModule ? FindById(g_resourceModule->toolbars, nIDResource) : nullptr;
}

QString AfxLoadString(UINT nIDString)
{
    if (g_resourceModule) {
        for (const StringEntry& entry : g_resourceModule->strings) {
            if (entry.id == nIDString)
                return QString::fromUtf8(entry.text);
        }
    }
    return {};
}

const IconResource* FindIcon(UINT nIDResource)
{
    if (g_resourceModule) {
        for (const IconResource& icon : g_resourceModule->icons) {
            if (icon.id == nIDResource)
                return &icon;
        }
    }
    return nullptr;
}
