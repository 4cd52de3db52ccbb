#pragma once

#include <QString>

class QFile;

// Opens an existing regular file for reading. Anything else (a folder, a FIFO, a device, a socket)
// is refused without being read: a FIFO without a writer would block for ever. Empty on success,
// else the reason, in French, for a message to the user.
QString AfxOpenRegularFile(QFile& file);
