// SPDX-License-Identifier: GPL-3.0-or-later

#include "version.h"

// The French (France) string block, code page 1252 ("040c04e4" on the original platform).
const VersionInfo versionInfo{
    {1, 0, 1, 0}, {1, 0, 1, 0}, "Utilitaire de Jeu", "1.0.1", "1.0.1",
};
