// CDocument: the document of a document template; it receives commands after its active view.
//
// A document deletes itself when its last view is removed (m_bAutoDelete, on by default).
#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CString.h"

#include <vector>

class CSingleDocTemplate;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;

    virtual BOOL OnNewDocument();
    // Opening reads nothing (documents here hold no content); only the path is remembered.
    virtual BOOL OnOpenDocument(LPCTSTR path);
    virtual void DeleteContents() {}

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR title) { m_strTitle = title ? title : ""; }
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(LPCTSTR path) { m_strPathName = path ? path : ""; }
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    BOOL m_bAutoDelete = TRUE;

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_views;
    CSingleDocTemplate* m_pDocTemplate = nullptr;
    friend class CSingleDocTemplate;
};
