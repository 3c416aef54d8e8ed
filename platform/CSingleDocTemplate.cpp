// The single-document template.
#include "platform/CSingleDocTemplate.h"

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/ResourceRegistry.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CCmdTarget)

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, const CRuntimeClass* documentClass,
                                       const CRuntimeClass* frameClass, const CRuntimeClass* viewClass)
    : m_resourceId(resourceId), m_documentClass(documentClass), m_frameClass(frameClass), m_viewClass(viewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_document)
        m_document->m_pDocTemplate = nullptr;
}

void CSingleDocTemplate::RemoveDocument(CDocument* document)
{
    if (m_document == document)
        m_document = nullptr;
}

BOOL CSingleDocTemplate::GetDocString(CString& text, int index) const
{
    CString all = platform::ResourceRegistry::Instance().String(m_resourceId);
    for (int i = 0; i < index; ++i) {
        int at = all.Find('\n');
        if (at < 0) {
            text.Empty();
            return FALSE;
        }
        all = all.Mid(at + 1);
    }
    int end = all.Find('\n');
    text = end < 0 ? all : all.Left(end);
    return TRUE;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR path, BOOL makeVisible)
{
    if (m_document)
        return nullptr;  // a single-document template holds one document at a time
    CObject* object = m_documentClass ? m_documentClass->CreateObject() : nullptr;
    auto* document = dynamic_cast<CDocument*>(object);
    if (!document) {
        delete object;
        return nullptr;
    }
    document->m_bAutoDelete = FALSE;  // not until its frame and view stand
    document->m_pDocTemplate = this;
    m_document = document;

    object = m_frameClass ? m_frameClass->CreateObject() : nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    CCreateContext context;
    context.m_pNewViewClass = m_viewClass;
    context.m_pCurrentDoc = document;
    context.m_pNewDocTemplate = this;
    if (!frame || !frame->LoadFrame(m_resourceId, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        delete object;  // a failed creation leaves the frame to us
        delete document;
        return nullptr;
    }
    BOOL opened = path ? document->OnOpenDocument(path) : document->OnNewDocument();
    if (!opened) {
        frame->DestroyWindow();
        delete m_document;
        return nullptr;
    }
    document->m_bAutoDelete = TRUE;
    CWinApp* app = AfxGetApp();
    if (app && !app->m_pMainWnd)
        app->m_pMainWnd = frame;
    frame->InitialUpdateFrame(document, makeVisible);
    return document;
}
