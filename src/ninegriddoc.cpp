// SPDX-License-Identifier: GPL-3.0-or-later

#include "ninegriddoc.h"

#include "archive.h"
#include "filereason.h"
#include "gridfile.h"
#include "ninegridview.h"

#include <QFileDevice>

#include <cerrno>

namespace {
// nError: errno as the failed read or write left it.
QString ReasonOf(const QIODevice& device, int nError)
{
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return file ? AfxFileErrorReason(*file, nError) : device.errorString();
}
} // namespace

void CNinegridDoc::Serialize(CArchive& ar)
{
    auto* view = GetViews().empty() ? nullptr : dynamic_cast<CNinegridView*>(GetViews().front());
    if (!view)
        return;
    char szData[kGridBlockSize];
    if (ar.IsStoring()) {
        BuildGridBlock(view->m_grid, szData);
        if (WriteGridBlock(*ar.GetFile(), szData) != kGridBlockSize)
            ar.SetError(ReasonOf(*ar.GetFile(), errno));
        return;
    }
    const int count = ReadGridBlockFrom(*ar.GetFile(), szData);
    if (count < 0)
        ar.SetError(ReasonOf(*ar.GetFile(), errno));
    else if (count < kGridBlockMinimum)
        ar.SetError(QStringLiteral("ce n'est pas un fichier de grille (%1 caractères de grille sur %2)")
                        .arg(count)
                        .arg(kGridBlockSize));
    else
        view->SetGridToShow(szData);
}
