// CCreateContext: what a frame or view creation is told about the document and view to use.
#pragma once

#include "platform/CObject.h"

class CDocument;
class CFrameWnd;
class CSingleDocTemplate;
class CView;

struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;  // the view a new frame creates as its first pane, or null
    CDocument* m_pCurrentDoc = nullptr;              // the document a new view belongs to, or null
    CSingleDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
