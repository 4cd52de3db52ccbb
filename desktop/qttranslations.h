// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Loads Qt's own French texts, so that the standard dialogs, message-box buttons and context menus
// speak French like the rest; when they are not installed, says so on standard error and returns
// false. Needs the application object.
bool LoadQtTranslations();
