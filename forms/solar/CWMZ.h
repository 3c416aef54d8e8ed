// The parameter form of the heat meter (function type 12, "Wärmemengenzähler"). Its layout is chosen once, at the
// first activation, from the record: with both temperature inputs connected the frost protection, a fixed flow and
// the calibration block (in the layout of the controller's operating system the person chooses), otherwise the
// factor alone. Calibration values and the counter position are typed: each field keeps only what makes a number,
// and the save refuses values out of range with a warning and stays. The type has no output-variable form.
// CWMZ.cpp holds the layouts and the display, CWMZEingabe.cpp the typed numbers and the save's checks.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"

struct WMZParam;

class CWMZ : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CWMZ)
public:
    CWMZ();

    // Saves when the calibration (if set) and the counter position are in range; else warns and returns.
    void SaveChecked();
    void CheckRecord() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void LoadSpecial() override;
    void ShowSpecial() override;

    void OnFrostschutz();
    void OnKalibrierung();
    void OnBetriebssystem();
    void OnZahl(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    WMZParam Fields() const;
    void SetFields(const WMZParam& fields);
    long FilterZahl(CEdit& edit, int decimals, bool minusAllowed);
    void SetEditText(UINT id, const CString& text);

    bool m_temperatureMode = false;
    int m_oldVersion = 0;              // 1: the layout before A3.18 (four values); 0: one common difference
    bool m_updating = false;           // the form itself writes into the edits: their handlers do nothing
    bool m_showCalibration = false;    // the next show redoes the calibration block
    bool m_showQuantity = false;       // the next show rewrites the counter position
    CComboBox m_factor;
    CEdit m_edits[6];                  // 1208, 1209, 1210, 1211, 1214, 1215
};

// The parameter form of the run, once the shell created it.
extern CWMZ* g_pWMZ;
