// CHzkrHeizkurveDlg: the heating-curve dialog of the heating-circuit controller. It edits a working copy of the
// whole record, repaired before every show: the control mode (fixed value or by the outside temperature), the curve
// (two flow temperatures, or a slope, which only the outside-temperature mode offers), the room influence, the
// switch-on raise and the flow limits. OK writes fields 14 to 21 and no other; Cancel writes nothing.
#pragma once

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "store/HzkrRegParam.h"

class CHzkrHeizkurveDlg : public CDialog {
public:
    explicit CHzkrHeizkurveDlg(HzkrRegParam* record, CWnd* parent = nullptr);
    ~CHzkrHeizkurveDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnRegelungsModus();
    void OnKurvenModus();
    void OnRaumeinfluss();
    void OnEinschaltueberhoehung();
    void OnVorlaufGrenzen();
    void OnKurvenpunkte();
    DECLARE_MESSAGE_MAP()

private:
    void ShowValues(bool refill);

    HzkrRegParam* m_pRecord;
    HzkrRegParam m_work;
    int m_nRegelung = -1;
    int m_nKurve = -1;
    CComboBox m_Raumeinfluss, m_Ueberhoehung, m_Plus10, m_Kurve, m_Max, m_Min;
    CButton m_Steigung;
    CString m_strKurve, m_strKurveEinheit, m_strPlus10, m_strPlus10Einheit;
    CString m_strRaum, m_strUeberhoehung, m_strMax, m_strMin;
};
