// SPDX-License-Identifier: GPL-3.0-or-later

#include "ninegriddoc.h"

#include "view.h"

CNinegridDoc::CNinegridDoc()
{
    QObject::connect(&m_history, &QUndoStack::cleanChanged, &m_history,
                     [this](bool clean) { CDocument::SetModifiedFlag(!clean); });
}

// The history clears itself as it goes, after the frame and the view: the document hears no more of it.
CNinegridDoc::~CNinegridDoc()
{
    m_history.disconnect();
}

// The grid lives in the view, which writes it to the file or reads it from there.
void CNinegridDoc::Serialize(CArchive& ar)
{
    for (CView* view : GetViews())
        view->Serialize(ar);
}

void CNinegridDoc::SetModifiedFlag(BOOL bModified)
{
    CDocument::SetModifiedFlag(bModified);
    if (!bModified)
        m_history.setClean();
}
