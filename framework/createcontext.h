// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct CRuntimeClass;
class CDocument;
class CSingleDocTemplate;

// What a new frame needs to make its view: the view's class and the document it shows.
struct CCreateContext
{
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CSingleDocTemplate* m_pNewDocTemplate = nullptr;
};
