// CEingang: the input form of an "Eingang" or "Sensorstatus" object. It chooses the controller input (1 to 16, on
// a sensor-status object also 17, all inputs) the object stands for, edits the descriptors of the inputs (switching
// the input writes the one left into the working copy; when that fails it warns and stays on it) and ends three
// ways (PlantEnds.h).
//
// What the form shows follows the input's case: not used, digital, impulse (inputs 15 and 16), analog temperature,
// solar irradiance, or a voltage, current or resistance signal scaled onto a process quantity (current and
// resistance on input 8 only). Temperatures and signals standing for a temperature, flow or pressure offer six
// designation groups, every other case the general list and the user-defined designations.
#pragma once

#include "forms/plant/PlantEnds.h"
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CFormView.h"
#include "platform/FirstActivation.h"
#include "store/EingangParam.h"

class CEingang : public CFormView, public platform::FirstActivation, public plant::PlantEndForm {
    DECLARE_DYNCREATE(CEingang)
public:
    CEingang();
    ~CEingang() override;

    static CView* CreateForm();
    static void Publish(CView* form);

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void LoadForm();
    void ShowRecord(BYTE n, bool refillDesignation, bool refillSignal, bool refillProcess);

    // The ends (PlantEnds.h).
    bool WriteRecord(CParaDaten& para, int file, plant::PlantEnd end) override;
    void StoreNumber(CZeichnung& drawing) override;
    void SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte) override;
    UINT OwnLabelGroups() const override;
    bool DesignationsChanged() const override { return m_bBezeichnungenGeaendert; }

    // The handlers of the radio groups (reached through OnRadio).
    void OnTyp();
    void OnMessgroesse();
    void OnBezeichnungsGruppe();
    void OnSensor();
    void OnProzessgroesse();

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnRadio(UINT id);
    void OnEingangNr();
    void OnBezeichnung();
    void OnMittelwert();
    void OnSensorkorrektur();
    void OnSkalierungProzess();
    void OnSkalierungSignal();
    void OnBezeichnungenVerwalten();
    void OnSensorcheck();

    DECLARE_MESSAGE_MAP()

private:
    enum class Case { NoInput, NotUsed, Digital, Impulse, Temperature, Solar, Signal };
    Case CurrentCase() const;
    bool SixGroups() const;
    bool UserGroup() const;
    bool HasInput() const { return m_nNr >= 1 && m_nNr <= 16; }
    void FillDesignations();
    void FillCorrection(Case c);
    void FillScales(bool signal, bool process);
    void EnableIds(std::initializer_list<UINT> ids, bool enable);
    // Sets the defaults a new measured quantity needs.
    void NewQuantity(int radio);

    BYTE m_nNr = 0;
    EingangParam m_param;
    bool m_bBezeichnungenGeaendert = false;
    int m_nTyp = -1;
    int m_nGroesse = -1;
    int m_nGruppe = -1;
    int m_nSonde = -1;
    int m_nProzess = -1;
    CString m_strTitle, m_strBezLabel, m_strNrLabel, m_strMittelLabel, m_strMittelUnit, m_strKorrLabel, m_strKorrUnit;

    CComboBox m_nr, m_name, m_digit, m_mean, m_correction, m_signalLow, m_signalHigh, m_processLow, m_processHigh;
    CButton m_manage, m_check;
};

extern CEingang* g_pEingang;
