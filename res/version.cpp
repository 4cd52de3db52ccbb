// SPDX-License-Identifier: GPL-3.0-or-later

#include "version.h"

#include "programinfo.h"

// The French (France) string block, code page 1252 ("040c04e4" on the original platform).
const VersionInfo versionInfo{
    {CARRELIX_VERSION_NUMBERS}, {CARRELIX_VERSION_NUMBERS}, "Utilitaire de Jeu", CARRELIX_VERSION, CARRELIX_VERSION,
};
