// CAboutDlg: the about box (template 100): the program icon, the program's version line and the lowest controller
// operating-system version it needs.
#pragma once

#include "platform/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    CString m_strVersion;     // line 1135
    CString m_strController;  // line 1134
};
