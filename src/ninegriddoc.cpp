// SPDX-License-Identifier: GPL-3.0-or-later

#include "ninegriddoc.h"

#include "view.h"

// The grid lives in the view, which writes it to the file or reads it from there.
void CNinegridDoc::Serialize(CArchive& ar)
{
    for (CView* view : GetViews())
        view->Serialize(ar);
}
