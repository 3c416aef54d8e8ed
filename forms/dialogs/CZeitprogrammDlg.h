// CZeitprogrammDlg: the modal dialog that edits the time programs at the end of a record (time switch, hot-water
// request, heating-circuit controller, circulation).
//
// The dialog works on a copy of the record's number of programs in use, windows per program, setpoint flag and
// block of five programs, repaired before every show; OK writes all of them back through the caller's pointers,
// Cancel writes nothing. The caller shows and repairs its record again afterwards, whatever the result.
//
// The programs offered are first .. first + choices - 1: a first number above 5 is taken as 4, and the choices end at
// program 5. A box that shows no selection (a window not in use, the setpoints of windows without one) keeps its
// byte when the program is stored.
#pragma once

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CTabCtrl.h"
#include "store/Zeitprogramm.h"

class CZeitprogrammDlg : public CDialog {
public:
    static constexpr int kTage = 7;
    static constexpr int kFenster = 3;

    CZeitprogrammDlg(BYTE first, BYTE choices, BYTE* programs, BYTE* windows, BYTE* setpoints, Zeitprogramm* block,
                     CWnd* parent = nullptr);
    ~CZeitprogrammDlg() override;

    BYTE GetFirst() const { return m_nErstes; }
    BYTE GetChoices() const { return m_nAuswahl; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnAnzahlProgramme();
    void OnAnzahlFenster();
    void OnSollwert();
    void OnProgrammWechsel(NMHDR* header, LRESULT* result);
    void OnProgrammGeaendert();

    DECLARE_MESSAGE_MAP()

private:
    struct FensterBoxen {
        CComboBox start, ende, soll;
    };

    void CopyIn();
    void CopyOut();
    void CheckPrograms();
    void ShowProgram(bool refillTabs);
    void ShowFenster(int w, bool inUse, const Zeitfenster& values);
    Zeitprogramm& Current() { return m_Block[m_nAktuell - 1]; }

    // The caller's record.
    BYTE* m_pProgramme;
    BYTE* m_pFenster;
    BYTE* m_pSollwert;
    Zeitprogramm* m_pBlock;

    // The working copy.
    BYTE m_nProgramme = 0;
    BYTE m_nFenster = 0;
    BYTE m_nSollwert = 0;
    Zeitprogramm m_Block[kZeitprogramme];

    BYTE m_nErstes;
    BYTE m_nAuswahl;
    BYTE m_nAktuell = 1;  // 1-based: program k is the k-th block entry and the k-th tab

    CComboBox m_Programme;
    CComboBox m_FensterZahl;
    CComboBox m_Sollwert;
    CTabCtrl m_Tabs;
    CButton m_Tage[kTage];
    FensterBoxen m_Boxen[kFenster];

    CString m_strProgramme;
    CString m_strFenster;
    CString m_strSollwert;
    CString m_strOra[kFenster];
};
