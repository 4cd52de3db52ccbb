// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QSaveFile;

// Opens a file for saving. The new content goes to a file beside the target that replaces it only
// once complete; where the folder takes no new file but the target may be written, the target itself
// is written in place. An existing target that is no regular file is refused. Empty on success,
// else the reason, in French, for a message to the user.
QString AfxOpenForSaving(QSaveFile& file);

// The save writes the target in place: a failure may leave it cut short.
bool AfxSavesInPlace(const QSaveFile& file);
