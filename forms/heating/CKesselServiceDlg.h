// CKesselServiceDlg: the modal dialog of a boiler cascade's service values, opened from the cascade's parameter
// form: the place of each boiler in the sequence, the boilers that take part in the automatic change, their
// operating-hour counters and the hour difference after which the boilers change.
//
// It works on the parameter form's record: OK writes into it (the parameter form's save stores it), Cancel writes
// nothing. A counter above 65535 is refused with message 2.003 and the dialog stays open. Boiler C's controls are
// in use only when the cascade had three boilers when the dialog was opened.
#pragma once

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"

struct KesselkaskadeParam;

class CKesselServiceDlg : public CDialog {
public:
    static constexpr int kKessel = 3;

    explicit CKesselServiceDlg(KesselkaskadeParam* record, CWnd* parent = nullptr);
    ~CKesselServiceDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    int InUse() const { return m_nKessel >= 3 ? 3 : 2; }

    KesselkaskadeParam* m_pRecord;
    int m_nKessel;  // the number of boilers when the dialog was opened
    CButton m_Ok, m_Abbrechen, m_Sequenz, m_Wechsel;
    CComboBox m_Platz[kKessel];
    CButton m_Teilnahme[kKessel];
    CEdit m_Zaehler[kKessel];
    CComboBox m_Differenz;
    CString m_strPlatz[kKessel], m_strDauer[kKessel], m_strEinheit[kKessel], m_strDiffEinheit, m_strDiffLabel;
};
