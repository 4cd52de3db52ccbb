// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "document.h"

#include <QUndoStack>

// The document of the single document type. The grid lives in the view; the document carries the
// title and path of the file the framework opened or saved, has the view write or read its grid as
// a grid text file when the framework asks it to (command line, recent files, Save As), and keeps
// the history of the grid's changes that Annuler takes back.
class CNinegridDoc : public CDocument
{
public:
    CNinegridDoc();
    ~CNinegridDoc() override;

    void Serialize(CArchive& ar) override;
    // The history's clean state is the modified flag, both ways: a grid saved, opened or new is the
    // clean state, and undoing back to it leaves the document unmodified.
    void SetModifiedFlag(BOOL bModified = TRUE) override;

    QUndoStack& GetHistory() { return m_history; }

private:
    QUndoStack m_history;
};
