// CNetzwerkAusgang: the form of a "Netzwerkausgang" object. It chooses the network output the object is (1 to 16
// digital, 17 to 32 analog), shows read-only the source that feeds it in the drawing, edits the transmission
// conditions of all network outputs, opens the network settings dialog and ends three ways (PlantEnds.h; its
// assign writes no parameter file). Conditions that could not be read start from the repair of the blank record
// and are never written back.
#pragma once

#include "forms/plant/PlantEnds.h"
#include "platform/CComboBox.h"
#include "platform/CFormView.h"
#include "platform/FirstActivation.h"
#include "store/Sendebedingungen.h"

class CNetzwerkAusgang : public CFormView, public platform::FirstActivation, public plant::PlantEndForm {
    DECLARE_DYNCREATE(CNetzwerkAusgang)
public:
    CNetzwerkAusgang();
    ~CNetzwerkAusgang() override;

    static CView* CreateForm();
    static void Publish(CView* form);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    void UpdateForm(BYTE code, bool reselectConditions);

    bool WriteRecord(CParaDaten& para, int file, plant::PlantEnd end) override;
    void StoreNumber(CZeichnung& drawing) override;
    void SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte) override;
    UINT OwnLabelGroups() const override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnAusgangWahl();
    void OnNetzEinstellungen();

    DECLARE_MESSAGE_MAP()

private:
    // Source label, number text and variable text of one network output's source.
    struct SourceTexts {
        CString label, number, variable;
    };
    void ReadSources();

    BYTE m_code = 0;
    Sendebedingungen m_conditions{};
    bool m_conditionsRead = false;
    SourceTexts m_sources[32];
    CString m_strTitle, m_strLabel, m_strSource, m_strSourceKind, m_strSourceNumber, m_strSourceVariable;

    CComboBox m_kind, m_number, m_onChange;
    CComboBox m_thresholds[4], m_blocking[5], m_intervals[5];
};

extern CNetzwerkAusgang* g_pNetzwerkAusgang;
