// CSingleDocTemplate: creates the one document, its frame and its first view by run-time class.
#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CString.h"

class CDocument;
class CFrameWnd;

class CSingleDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    // resourceId names the frame's title string and accelerator table.
    CSingleDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                       const CRuntimeClass* viewClass);
    ~CSingleDocTemplate() override;

    // Creates the document (OnNewDocument for a null path, else OnOpenDocument, which reads nothing), the frame with
    // its first view as pane AFX_IDW_PANE_FIRST, makes the view active, sends the views WM_INITIALUPDATE and, with
    // makeVisible, shows the frame in its current state. The frame becomes the application's main window when there
    // is none yet. Returns null when any step fails, with nothing left behind.
    virtual CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE);

    UINT GetResourceId() const { return m_resourceId; }
    CDocument* GetDocument() const { return m_document; }
    // The index-th "\n"-separated part of the document string (the string resource of the template's id).
    BOOL GetDocString(CString& text, int index) const;
    void RemoveDocument(CDocument* document);

private:
    UINT m_resourceId;
    const CRuntimeClass* m_documentClass;
    const CRuntimeClass* m_frameClass;
    const CRuntimeClass* m_viewClass;
    CDocument* m_document = nullptr;
};
