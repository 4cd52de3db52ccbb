#include "ninegriddoc.h"

#include "archive.h"
#include "gridfile.h"
#include "ninegridview.h"

#include <QIODevice>

void CNinegridDoc::Serialize(CArchive& ar)
{
    auto* view = GetViews().empty() ? nullptr : dynamic_cast<CNinegridView*>(GetViews().front());
    if (!view)
        return;
    char szData[kGridBlockSize];
    if (ar.IsStoring()) {
        BuildGridBlock(view->m_grid, szData);
        if (WriteGridBlock(*ar.GetFile(), szData) != kGridBlockSize)
            ar.SetError(ar.GetFile()->errorString());
        return;
    }
    const int count = ReadGridBlockFrom(*ar.GetFile(), szData);
    if (count < 0)
        ar.SetError(ar.GetFile()->errorString());
    else if (count < kGridBlockMinimum)
        ar.SetError(QStringLiteral("ce n'est pas un fichier de grille (%1 caractères de grille sur %2)")
                        .arg(count)
                        .arg(kGridBlockSize));
    else
        view->SetGridToShow(szData);
}
