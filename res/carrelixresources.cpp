// SPDX-License-Identifier: GPL-3.0-or-later

#include "carrelixresources.h"

#include "aboutbox.h"
#include "accelerators.h"
#include "gridform.h"
#include "mainmenu.h"
#include "maintoolbar.h"
#include "resource.h"
#include "stringtable.h"
#include "version.h"

const ResourceModule& CarrelixResources()
{
    static const ResourceModule module{
        {&aboutBoxTemplate, &gridFormTemplate},
        {&mainMenu},
        {&mainAccelerators},
        {&mainToolbar},
        stringTable,
        {{IDR_MAINFRAME, ":/res/carrelix.ico", {":/res/carrelix-64.png", ":/res/carrelix-128.png"}}},
        &versionInfo,
    };
    return module;
}
