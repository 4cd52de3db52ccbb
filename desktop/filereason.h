// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFileDevice;

// Why a file operation failed, for a message to the user: in French for the common system errors,
// whatever the locale; otherwise the system's own words.
QString FileErrorReason(int nError);
// For a device that failed: nError is errno as the failing call left it, for the failures that Qt
// leaves unexplained (a write cut short by a full disk or the file-size limit).
QString FileErrorReason(const QFileDevice& file, int nError);
