// CNetzEinstellungenDlg: the controller's own network settings (node number, network release, automatic operation)
// in three bytes the caller owns and must keep alive. The bytes change only when the dialog ends with OK; the
// dialog never touches the parameter set. Callers repair the node number (1 to 62) before they open it.
#pragma once

#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/Types.h"
#include "store/NetzwerkParam.h"

class CNetzEinstellungenDlg : public CDialog {
public:
    // bytes: node number, release flag, automatic-operation flag.
    explicit CNetzEinstellungenDlg(BYTE* bytes, CWnd* parent = nullptr);
    ~CNetzEinstellungenDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    BYTE* m_pBytes;
    CComboBox m_Node;
    CComboBox m_Release;
    CComboBox m_Automatic;
};

// What every form that offers the network settings does: reads the network record of working file 2, repairs its node
// number, runs the dialog and, when it ends with OK, writes the record back into working file 2 (no commit). True when
// the dialog ended with OK and the record was written; `before` and `after` then hold the record as read and as
// written.
bool EditNetworkSettings(CWnd* owner, NetzwerkParam& before, NetzwerkParam& after);
