// CNetzwerkEingang: the form of a "Netzwerkeingang" or "Netzwerkstatus" object. It chooses the network input the
// object stands for (1 to 16 digital, 17 to 32 analog; on a status object also 33, all inputs), the bus, node and
// network output of the controller that sends it, and the reception time-outs of the eight input groups; it opens
// the network settings dialog and ends three ways (PlantEnds.h).
//
// A list that could not be read from the working copy is shown as the repair leaves the blank one and is never
// written back; an assign whose list cannot be read from the committed set writes nothing and says so.
#pragma once

#include "forms/plant/PlantEnds.h"
#include "platform/CComboBox.h"
#include "platform/CFormView.h"
#include "platform/FirstActivation.h"
#include "store/NetzEingang.h"

class CNetzwerkEingang : public CFormView, public platform::FirstActivation, public plant::PlantEndForm {
    DECLARE_DYNCREATE(CNetzwerkEingang)
public:
    CNetzwerkEingang();
    ~CNetzwerkEingang() override;

    static CView* CreateForm();
    static void Publish(CView* form);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    void UpdateForm(BYTE code, bool reselectTimeouts);

    bool WriteRecord(CParaDaten& para, int file, plant::PlantEnd end) override;
    void StoreNumber(CZeichnung& drawing) override;
    void SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte) override;
    UINT OwnLabelGroups() const override;
    UINT OtherLabelGroups() const override;
    bool MayAssign() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnEingangWahl();
    void OnBus();
    void OnKnoten();
    void OnNetzAusgang();
    void OnNetzEinstellungen();

    DECLARE_MESSAGE_MAP()

private:
    bool StatusObject() const;
    // The entry of the chosen input; null for codes outside 1 to 32.
    NetzEingang* Entry();

    BYTE m_code = 0;
    NetzEingang m_digital[16] = {};
    NetzEingang m_analog[16] = {};
    BYTE m_timeouts[8] = {};
    bool m_digitalRead = false;
    bool m_analogRead = false;
    bool m_timeoutsRead = false;
    bool m_nodeChanged = false;
    NetzEingang m_assignList[16] = {};  // the committed list with the chosen entry, as an assign writes it
    CString m_strTitle, m_strLabel, m_strSource, m_strNode, m_strOutput;

    CComboBox m_kind, m_number, m_bus, m_node, m_output;
    CComboBox m_timeoutLists[8];
};

extern CNetzwerkEingang* g_pNetzwerkEingang;
