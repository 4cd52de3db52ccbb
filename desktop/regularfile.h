// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFile;

// Opens an existing regular file for reading. Anything else (a folder, a FIFO, a device, a socket)
// is refused without being read: a FIFO without a writer would block for ever, and so is a
// relative name that the working folder cannot resolve. Empty on success,
// else the reason, in French, for a message to the user. A name that came from bytes that are not
// UTF-8 holds replacement characters and names no file; the reason says so.
// nativeName, when given, is the file's name as bytes that are not UTF-8.
QString OpenRegularFile(QFile& file, const QByteArray& nativeName = {});
