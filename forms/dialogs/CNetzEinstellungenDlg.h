// CNetzEinstellungenDlg: the controller's own network settings (node number, network release, automatic operation)
// in three bytes the caller owns and must keep alive. The bytes change only when the dialog ends with OK; the
// dialog never touches the parameter set itself. Callers repair the node number (1 to 62) before they open it.
#pragma once

#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/Types.h"
#include "store/NetzwerkParam.h"

#include <functional>

class CNetzEinstellungenDlg : public CDialog {
public:
    // bytes: node number, release flag, automatic-operation flag.
    explicit CNetzEinstellungenDlg(BYTE* bytes, CWnd* parent = nullptr);
    ~CNetzEinstellungenDlg() override;

    // What OK stores before the dialog closes, given the chosen bytes. When it returns false the save warning is
    // shown, the bytes stay as they were and the dialog stays open with the person's choice.
    void StoreOnOk(std::function<bool(const BYTE* chosen)> store) { m_store = std::move(store); }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    BYTE* m_pBytes;
    std::function<bool(const BYTE*)> m_store;
    CComboBox m_Node;
    CComboBox m_Release;
    CComboBox m_Automatic;
};

// What every form that offers the network settings does: reads the network record of working file 2, repairs its node
// number and runs the dialog, whose OK writes the record back into working file 2 and then runs `commit` when one is
// given (a caller that commits at once). A write or commit that fails keeps the dialog open with the save warning, so
// the person can confirm again or cancel. True when the dialog ended with OK, the record written (and committed);
// `before` and `after` then hold the record as read and as written.
bool EditNetworkSettings(CWnd* owner, NetzwerkParam& before, NetzwerkParam& after,
                         const std::function<bool()>& commit = {});
