// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commdlg.h"
#include "gridtext.h"

#include <QString>

#include <cstddef>
#include <string>

class QFileDevice;
class QIODevice;

// The settings of the file dialogs, shared by both; each sets its own fields before it shows.
extern OPENFILENAMEA g_ofn;

// Writes a filter list of one pair at the start of the buffer: the description, a NUL, the
// pattern, a NUL and the closing NUL. A pair that does not fit leaves an empty list.
void AddFileFilter(char* szFilter, std::size_t size, const char* description, const char* pattern);

// Ask for the name of a grid text file to write or to read, with an empty name box; non-zero when
// the user chose one, whose full path is then in path.
BOOL AskSaveFileName(std::string& path);
BOOL AskOpenFileName(std::string& path);

// Asks for a file name and writes the grid block there (SaveGridFile); true when the file was written.
bool WriteGridFile(const char szData[kGridBlockSize]);
// Writes the grid text file, replacing the file only once the new one is complete; beeps when it is
// in place. A failure leaves any old file as it was and tells the user.
bool SaveGridFile(const char szData[kGridBlockSize], const std::string& path);

// Asks for a file name and reads the grid block from it (ReadGridFile); true when one was read.
// The name chosen goes to chosen when given.
bool OpenGridFile(char szData[kGridBlockSize], std::string* chosen = nullptr);
// Reads the grid block of the file; true when the file brings at least kGridBlockMinimum block
// characters. A failure tells the user.
bool ReadGridFile(char szData[kGridBlockSize], const std::string& path);

// The grid file's content on an open device, for Save and Open and for the document alike.
// WriteGridBlock returns the number of block characters written; ReadGridBlockFrom the number read,
// or -1 when the device failed.
int WriteGridBlock(QIODevice& file, const char szData[kGridBlockSize]);
int ReadGridBlockFrom(QIODevice& file, char szData[kGridBlockSize]);
// Why a file that brought count block characters is no grid file; empty when it is one.
QString NotAGridFileReason(int count);

// The grid as the content of an open file, for a document that the framework saves or opens: why
// the file could not be written or read as a grid file, empty when it could.
QString StoreGrid(QFileDevice& file, const std::uint8_t grid[9][9]);
QString LoadGrid(QFileDevice& file, char szData[kGridBlockSize]);
