// CProtokoll: the form that lists the protocol of the drawing evaluation ("para/Protokoll.tmp").
//
// The form fills itself once, on its first activation while its first-activation flag is set: a centred
// head line, every entry with the prefix of its code, and a result line with the numbers of errors and warnings.
// Later activations keep the lines, even when the file has changed. The file is only read, never written.
//
// Reading is bounded by the file, not by what it claims: an entry is three whole lines (code, length, text), the
// text is the whole third line whatever the length line says, and a code or length that is not a number ends the
// reading with the entries read so far.
#pragma once

#include "platform/CFormView.h"
#include "platform/CListBox.h"
#include "platform/FirstActivation.h"

#include <cstdio>

class CProtokoll : public CFormView, public platform::FirstActivation {
    DECLARE_DYNCREATE(CProtokoll)
public:
    CProtokoll();
    ~CProtokoll() override;

    // The frame's page number, which every activation sets to 1 (the caller's; it must outlive the form). Until it
    // is given, the form uses one of its own. The frame hands its first-activation flag through FirstActivation.
    void UseCurrentPage(int* currentPage);

    void Fill();
    // The head line: the title between two blanks and as many dashes on each side as a 136-character line leaves.
    static CString CenterTitle(const CString& title);
    // Reads the next entry; its text comes back with the prefix of its code. False at the end of the entries.
    static bool ReadEntry(std::FILE* file, CString& text, int& code);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CListBox m_List;
    CString m_strCaption;

private:
    int m_nOwnPage = 0;
    int* m_pCurrentPage = &m_nOwnPage;
};
