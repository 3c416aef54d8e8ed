// CAusgang: the output form of an "Ausgang" (outputs 1 to 14), "Analog_Ausgang" (15, 16) or "Mischer_Ausgang"
// (the first output of a mixer pair: 3, 8, 10, 12) object. It chooses the output the object stands for, edits the
// outputs' descriptors (switching the output writes the one left into the working copy; when that fails it warns
// and stays on it), opens the anti-seize dialog and ends three ways (PlantEnds.h).
//
// The second output of a mixer pair (4, 9, 11, 13) whose first output holds a mixer shows that mixer, read-only;
// it is itself stored as not used.
#pragma once

#include "forms/plant/PlantEnds.h"
#include "platform/CComboBox.h"
#include "platform/CFormView.h"
#include "platform/FirstActivation.h"
#include "store/AusgangParam.h"

class CAusgang : public CFormView, public platform::FirstActivation, public plant::PlantEndForm {
    DECLARE_DYNCREATE(CAusgang)
public:
    CAusgang();
    ~CAusgang() override;

    static CView* CreateForm();
    static void Publish(CView* form);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    void ShowRecord(BYTE n, bool refillNumbers, bool refillNames, bool refillValues);

    bool WriteRecord(CParaDaten& para, int file, plant::PlantEnd end) override;
    void StoreNumber(CZeichnung& drawing) override;
    void SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte) override;
    UINT OwnLabelGroups() const override;
    bool DesignationsChanged() const override { return m_bBezeichnungenGeaendert; }

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnAusgangNr();
    void OnTyp();
    void OnBezeichnungsGruppe();
    void OnBezeichnung();
    void OnVerzoegerung();
    void OnNachlauf();
    void OnLaufzeit();
    void OnModus();
    void OnSteuerwert();
    void OnSkalaEingang();
    void OnSkalaAusgang();
    void OnBezeichnungenVerwalten();
    void OnAntiblockierschutz();

    DECLARE_MESSAGE_MAP()

private:
    enum class Kind { Ausgang, Analog, Mischer };
    int ItemOf(BYTE n) const;
    BYTE NumberOf(int item) const;
    void ReadRecord(BYTE n);
    void FillNames();
    void ShowDesignation();
    void Enable(UINT id, bool enable);
    void SetUnit(UINT id, int timeByte);

    Kind m_kind = Kind::Ausgang;
    BYTE m_nNr = 0;
    AusgangParam m_param;
    bool m_bBezeichnungenGeaendert = false;
    int m_nTyp = -1;
    int m_nGruppe = -1;
    int m_nModus = -1;
    CString m_strTitle, m_strNrLabel, m_strSteuerLabel, m_strBezLabel, m_strLaufLabel, m_strNachlaufLabel;

    CComboBox m_nr, m_name, m_digit, m_time1, m_runOn, m_runTime, m_level, m_inLow, m_inHigh, m_outLow, m_outHigh;
};

extern CAusgang* g_pAusgang;
