// Documents of the window model.
#include "platform/CDocument.h"

#include "platform/CSingleDocTemplate.h"
#include "platform/CView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument()
{
    for (CView* view : m_views)
        view->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    m_bModified = FALSE;
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR path)
{
    DeleteContents();
    SetPathName(path);
    m_bModified = FALSE;
    return TRUE;
}

void CDocument::AddView(CView* view)
{
    if (!view || std::find(m_views.begin(), m_views.end(), view) != m_views.end())
        return;
    m_views.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view)
{
    auto it = std::find(m_views.begin(), m_views.end(), view);
    if (it == m_views.end())
        return;
    m_views.erase(it);
    view->m_pDocument = nullptr;
    if (m_views.empty() && m_bAutoDelete)
        delete this;
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject)
{
    for (CView* view : std::vector<CView*>(m_views))
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
}
