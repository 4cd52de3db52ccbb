// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <optional>

class QFileDevice;

// Why a save failed, for the message to the user.
struct SaveFailure
{
    bool beforeWriting; // the file could not be opened for writing: nothing was written
    bool inPlace;       // the target itself was being written, so it may now be cut short
    QString reason;     // in French; after a failed write in place it says that the file may be partly written
};

// Saves a file: write puts the content on the device and returns why it failed, empty when it did
// not. The content goes to a new file beside the target that replaces it only once complete; where
// the folder takes no new file but the target may be written, the target itself is written in place.
// An existing target that is no regular file is refused. Nothing when the file is saved.
std::optional<SaveFailure> SaveFile(const QString& pathName, const std::function<QString(QFileDevice& file)>& write);

// A write past the process's file-size limit then fails with an error that the save reports,
// instead of the signal SIGXFSZ ending the process.
void IgnoreFileSizeSignal();
