// SPDX-License-Identifier: GPL-3.0-or-later

#include "singledoctemplate.h"

#include "createcontext.h"
#include "document.h"
#include "framewnd.h"
#include "resources.h"
#include "runtimeclass.h"
#include "winapp.h"

#include <QFileInfo>

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{}

CSingleDocTemplate::~CSingleDocTemplate() = default;

QString CSingleDocTemplate::GetDocString(DocStringIndex index) const
{
    return AfxLoadString(m_nIDResource).split(u'\n').value(index);
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument) const
{
    const QString name = GetDocString(docName);
    pDocument->SetTitle(name.isEmpty() ? AfxLoadString(AFX_IDS_UNTITLED) : name);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const QString& pathName, const QByteArray& nativeName)
{
    const bool created = !m_pOnlyDoc;
    if (created)
        m_pOnlyDoc.reset(dynamic_cast<CDocument*>(m_pDocClass->CreateObject()));
    if (!m_pFrame) {
        CCreateContext context{m_pViewClass, m_pOnlyDoc.get(), this};
        auto frame = std::unique_ptr<CFrameWnd>(dynamic_cast<CFrameWnd*>(m_pFrameClass->CreateObject()));
        if (!frame->LoadFrame(m_nIDResource, &context)) {
            m_pOnlyDoc.reset();
            return nullptr;
        }
        m_pFrame = std::move(frame);
        if (CWinApp* app = AfxGetApp(); app && !app->m_pMainWnd)
            app->m_pMainWnd = m_pFrame.get();
    }

    CDocument* document = m_pOnlyDoc.get();
    if (pathName.isEmpty()) {
        SetDefaultTitle(document);
        if (!document->OnNewDocument())
            return FailedDocument(created);
    } else {
        if (!document->OnOpenDocument(pathName, nativeName))
            return FailedDocument(created);
        if (nativeName.isEmpty())
            document->SetPathName(pathName);
        else
            document->SetTitle(QFileInfo(pathName).fileName());
    }
    m_pFrame->InitialUpdateFrame(document);
    return document;
}

CDocument* CSingleDocTemplate::FailedDocument(bool created)
{
    if (created) {
        if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == m_pFrame.get())
            app->m_pMainWnd = nullptr;
        m_pFrame.reset();
        m_pOnlyDoc.reset();
    }
    return nullptr;
}
