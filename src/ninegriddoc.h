// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "document.h"

// The document of the single document type. The grid lives in the view; the document carries the
// title and path of the file the framework opened or saved, and has the view write or read its grid
// as a grid text file when the framework asks it to (command line, recent files, Save As).
class CNinegridDoc : public CDocument
{
public:
    void Serialize(CArchive& ar) override;
};
