// CBezeichnungenDlg: the modal dialog in which the user renames the 16 user-defined designations of the parameter
// set.
//
// The dialog edits a copy of the designations in its list; OK writes all 16 into working file 2 (not committed:
// the opening form's save commits them, its cancel drops them) and ends with IDOK; Cancel, Escape and the close box
// write nothing and end with IDCANCEL. Replace puts the new text into the selected entry after four checks, each
// refused with a warning: an empty text (1.020), more than 12 characters (1.021), no entry selected (1.022), a
// character outside the codes 32 to 126 (1.023). A write that fails is reported (1.027), the designations are put
// back as they were, and the dialog stays open.
#pragma once

#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"

class CBezeichnungenDlg : public CDialog {
public:
    static constexpr int kAnzahl = 16;      // user-defined designations
    static constexpr int kMaxZeichen = 12;  // characters of one designation

    explicit CBezeichnungenDlg(CWnd* parent = nullptr);
    ~CBezeichnungenDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnUpdateEdit();
    void OnErsetzen();
    void OnSelchangeList();
    void OnOkButton();

    DECLARE_MESSAGE_MAP()

private:
    // Whether Replace accepts the remembered text; shows the warning of the first check that fails.
    bool CheckNewText();

    CButton m_Abbrechen;
    CButton m_Ok;
    CButton m_Ersetzen;
    CEdit m_NeuerText;
    CListBox m_Liste;
    CString m_strBezLabel;
    CString m_strNeuLabel;
    CString m_strNeu;  // the text Replace puts into the selected entry
};
