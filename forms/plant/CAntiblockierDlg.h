// CAntiblockierDlg: the anti-seize settings of all outputs (weekdays, time of day, the outputs taking part). Its
// OK writes them into the working copy at once (when that fails it warns and stays open); a later save of the output
// form commits them.
#pragma once

#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "store/AntiblockierschutzParam.h"

class CAntiblockierDlg : public CDialog {
public:
    explicit CAntiblockierDlg(CWnd* parent = nullptr);
    ~CAntiblockierDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    AntiblockierschutzParam m_param;
    CComboBox m_time;
};
