// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutbox.h"

#include "programinfo.h"
#include "resource.h"

// clang-format off
const DialogTemplate aboutBoxTemplate{
    IDD_ABOUTBOX, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    0, 0, 235, 55, "À propos de " CARRELIX_NAME, 8, "MS Shell Dlg",
    {
        {"Static", -1, WS_CHILD | WS_VISIBLE | SS_ICON,                    18, 24,  20, 20, "#128"},
        {"Static", -1, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX,     18,  6, 119, 18,
         CARRELIX_NAME " Version " CARRELIX_VERSION "\rUn utilitaire pour SuDoku"},
        {"Static", -1, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER,       48, 27, 116, 17,
         "Réalisé par l'équipe " CARRELIX_NAME "\rLogiciel libre, 2026"},
        {"Button", IDOK, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 180, 28, 50, 16, "OK"},
    },
};
// clang-format on
