// CZusatzEinstellungenDlg: the additional controller settings of the working copy (display, automatic switches,
// customer locks, expert code). OK writes them and the unchanged potentiostat record into working file 2, keeps the
// expert code as the default of new sets in the settings file, recomputes the settings requirement and commits the
// working copy; Cancel writes nothing.
#pragma once

#include "platform/CDialog.h"
#include "store/PotentiostatParam.h"
#include "store/ReglerEinstellungen.h"

class CZusatzEinstellungenDlg : public CDialog {
public:
    explicit CZusatzEinstellungenDlg(CWnd* parent = nullptr);
    ~CZusatzEinstellungenDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBeleuchtung();

    DECLARE_MESSAGE_MAP()

private:
    ReglerEinstellungen m_record {};
    PotentiostatParam m_potentiostat {};
    // One value per row of the field table: a list's selection or a check box's state.
    int m_values[12] = {};
    int m_nLightOffEntry = -1;  // entry of the light-off list, -1 none
};
