// The output form: load, show by output and type, the handlers, and its steps of the three ends.
#include "forms/plant/CAusgang.h"

#include "drawing/CZeichnung.h"
#include "forms/dialogs/CBezeichnungenDlg.h"
#include "forms/dialogs/SaveRefusal.h"
#include "forms/plant/CAntiblockierDlg.h"
#include "forms/plant/PlantDesignation.h"
#include "forms/plant/PlantFormFactories.h"
#include "forms/plant/PlantTemplates.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "texts/CTexte.h"

#include <span>

PLANT_FORM_FACTORIES(CAusgang, IDD_AUSGANG, &plant::AusgangTemplate, g_pAusgang)

BEGIN_MESSAGE_MAP(CAusgang, CFormView)
ON_CBN_SELENDOK(IDC_AUSGANG_NR, OnAusgangNr)
ON_BN_CLICKED(1090, OnTyp)
ON_BN_CLICKED(1413, OnTyp)
ON_BN_CLICKED(1416, OnTyp)
ON_BN_CLICKED(1420, OnTyp)
ON_BN_CLICKED(1421, OnTyp)
ON_BN_CLICKED(1438, OnBezeichnungsGruppe)
ON_BN_CLICKED(1385, OnBezeichnungsGruppe)
ON_BN_CLICKED(1415, OnBezeichnungsGruppe)
ON_CBN_SELENDOK(IDC_BEZ_NAME, OnBezeichnung)
ON_CBN_SELENDOK(IDC_BEZ_ZIFFER, OnBezeichnung)
ON_CBN_SELENDOK(IDC_AUSGANG_ZEIT1, OnVerzoegerung)
ON_CBN_SELENDOK(IDC_AUSGANG_NACHLAUF, OnNachlauf)
ON_CBN_SELENDOK(IDC_AUSGANG_LAUFZEIT, OnLaufzeit)
ON_BN_CLICKED(1448, OnModus)
ON_BN_CLICKED(1418, OnModus)
ON_CBN_SELENDOK(IDC_AUSGANG_STEUER, OnSteuerwert)
ON_CBN_SELENDOK(IDC_AUSGANG_SKALA_EIN_LOW, OnSkalaEingang)
ON_CBN_SELENDOK(IDC_AUSGANG_SKALA_EIN_HIGH, OnSkalaEingang)
ON_CBN_SELENDOK(IDC_AUSGANG_SKALA_AUS_LOW, OnSkalaAusgang)
ON_CBN_SELENDOK(IDC_AUSGANG_SKALA_AUS_HIGH, OnSkalaAusgang)
ON_BN_CLICKED(IDC_BEZ_VERWALTEN, OnBezeichnungenVerwalten)
ON_BN_CLICKED(IDC_AUSGANG_ANTIBLOCKIER, OnAntiblockierschutz)
END_MESSAGE_MAP()

namespace {

constexpr UINT kTypIds[] = {1090, 1413, 1416, 1420, 1421};
constexpr UINT kGruppeIds[] = {1438, 1385, 1415};
constexpr UINT kModusIds[] = {1448, 1418};
// Every control ShowRecord enables by rule; the number list and the anti-seize button stay enabled.
constexpr UINT kRuledIds[] = {1090,
                              1413,
                              1416,
                              1420,
                              1421,
                              1438,
                              1385,
                              1415,
                              1448,
                              1418,
                              IDC_BEZ_VERWALTEN,
                              IDC_BEZ_NAME,
                              IDC_BEZ_ZIFFER,
                              IDC_AUSGANG_ZEIT1,
                              IDC_AUSGANG_NACHLAUF,
                              IDC_AUSGANG_LAUFZEIT,
                              IDC_AUSGANG_STEUER,
                              IDC_AUSGANG_SKALA_EIN_LOW,
                              IDC_AUSGANG_SKALA_EIN_HIGH,
                              IDC_AUSGANG_SKALA_AUS_LOW,
                              IDC_AUSGANG_SKALA_AUS_HIGH};
constexpr BYTE kAnalogNumbers[] = {15, 16};

bool SpeedControlAllowed(int n)
{
    return n == 1 || n == 2 || n == 6 || n == 7;
}

void Fill(CComboBox& list, std::span<const char* const> items)
{
    list.ResetContent();
    for (const char* item : items)
        list.AddString(item);
}

void FillTimes(CComboBox& list)
{
    list.ResetContent();
    for (int v = 0; v < 128; ++v)
        list.AddString(plant::TimeItem(v));
}

// Volts in 0.05 steps or percent in 0.5 steps, by the analog output's mode.
void FillAnalog(CComboBox& list, bool pwm)
{
    list.ResetContent();
    for (int i = 0; i <= 200; ++i) {
        CString item;
        if (pwm)
            item.Format(i < 20 ? "    %02.01f" : i < 200 ? "  %02.01f" : "%02.01f", i * 5 / 10.0);
        else
            item.Format(i < 200 ? "  %03.02f" : "%03.02f", i * 5 / 100.0);
        list.AddString(item);
    }
}

}  // namespace

void CAusgang::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_AUSGANG_NR, m_nr);
    DDX_Control(dx, IDC_BEZ_NAME, m_name);
    DDX_Control(dx, IDC_BEZ_ZIFFER, m_digit);
    DDX_Control(dx, IDC_AUSGANG_ZEIT1, m_time1);
    DDX_Control(dx, IDC_AUSGANG_NACHLAUF, m_runOn);
    DDX_Control(dx, IDC_AUSGANG_LAUFZEIT, m_runTime);
    DDX_Control(dx, IDC_AUSGANG_STEUER, m_level);
    DDX_Control(dx, IDC_AUSGANG_SKALA_EIN_LOW, m_inLow);
    DDX_Control(dx, IDC_AUSGANG_SKALA_EIN_HIGH, m_inHigh);
    DDX_Control(dx, IDC_AUSGANG_SKALA_AUS_LOW, m_outLow);
    DDX_Control(dx, IDC_AUSGANG_SKALA_AUS_HIGH, m_outHigh);
    DDX_Radio(dx, IDC_AUSGANG_TYP, m_nTyp);
    DDX_Radio(dx, IDC_AUSGANG_BEZGRUPPE, m_nGruppe);
    DDX_Radio(dx, IDC_AUSGANG_MODUS, m_nModus);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Text(dx, IDC_AUSGANG_NR_LABEL, m_strNrLabel);
    DDX_Text(dx, IDC_AUSGANG_STEUER_LABEL, m_strSteuerLabel);
    DDX_Text(dx, IDC_BEZ_LABEL, m_strBezLabel);
    DDX_Text(dx, IDC_AUSGANG_LAUFZEIT_LABEL, m_strLaufLabel);
    DDX_Text(dx, IDC_AUSGANG_NACHLAUF_LABEL, m_strNachlaufLabel);
}

void CAusgang::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

int CAusgang::ItemOf(BYTE n) const
{
    switch (m_kind) {
    case Kind::Analog: return n == 15 ? 1 : n == 16 ? 2 : 0;
    case Kind::Mischer:
        for (int i = 0; i < 4; ++i)
            if (kMischerErsteAusgaenge[i] == n)
                return i + 1;
        return 0;
    default: return n <= 14 ? n : 0;
    }
}

BYTE CAusgang::NumberOf(int item) const
{
    switch (m_kind) {
    case Kind::Analog: return item >= 1 && item <= 2 ? kAnalogNumbers[item - 1] : 0;
    case Kind::Mischer: return item >= 1 && item <= 4 ? kMischerErsteAusgaenge[item - 1] : 0;
    default: return item >= 1 && item <= 14 ? static_cast<BYTE>(item) : 0;
    }
}

void CAusgang::ReadRecord(BYTE n)
{
    CParaDaten para;
    m_param = AusgangParam{};
    if (IsMischerZweiterAusgang(n)) {
        para.GetAusgang(CParaDaten::kWorkFile, static_cast<BYTE>(n - 1), m_param);
        if (m_param.type != kAusgangMischer)
            para.GetAusgang(CParaDaten::kWorkFile, n, m_param);
    } else if (n >= 1 && n <= 16) {
        para.GetAusgang(CParaDaten::kWorkFile, n, m_param);
    }
}

void CAusgang::LoadForm()
{
    m_kind = Start().name == "Analog_Ausgang" ? Kind::Analog
        : Start().name == "Mischer_Ausgang"   ? Kind::Mischer
                                              : Kind::Ausgang;
    m_strTitle = ui::kAusgangTitle;
    m_strNrLabel.Format("%s:", ui::kAusgangWord);
    m_strBezLabel = ui::kEingangDesignation;
    m_strNachlaufLabel = ui::kAusgangRunOn;
    SetDlgItemText(IDC_AUSGANG_TYP_GROUP, ui::kEingangTypGroup);
    SetDlgItemText(IDC_AUSGANG_MODUS_GROUP, ui::kAusgangModeGroup);
    SetDlgItemText(IDC_AUSGANG_BEZGRUPPE_GROUP, ui::kEingangBezGruppeGroup);
    SetDlgItemText(IDC_AUSGANG_SKALA_GROUP, ui::kEingangSkalaGroup);
    SetDlgItemText(IDC_AUSGANG_ANTIBLOCKIER, ui::kAusgangAntiseize);
    for (int i = 0; i < 5; ++i)
        SetDlgItemText(static_cast<int>(kTypIds[i]), ui::kAusgangTypes[i]);
    for (int i = 0; i < 3; ++i)
        SetDlgItemText(static_cast<int>(kGruppeIds[i]), ui::kAusgangGroups[i]);
    for (int i = 0; i < 2; ++i)
        SetDlgItemText(static_cast<int>(kModusIds[i]), ui::kAusgangModes[i]);

    BYTE n = 0;
    {
        CZeichnung drawing;
        int textId = 0;
        int secondId = 0;
        const bool read = m_kind == Kind::Mischer ? drawing.GetMischerNr(Start().id, n, textId, secondId)
                                                  : drawing.GetAusgangNr(Start().id, n, textId);
        if (!read)
            n = 0;
    }
    if (ItemOf(n) == 0)
        n = 0;
    ReadRecord(n);
    ShowRecord(n, true, true, true);
}

void CAusgang::Enable(UINT id, bool enable)
{
    if (CWnd* control = GetDlgItem(static_cast<int>(id)))
        control->EnableWindow(enable);
}

void CAusgang::SetUnit(UINT id, int timeByte)
{
    SetDlgItemText(static_cast<int>(id), plant::TimeUnit(timeByte));
}

void CAusgang::FillNames()
{
    m_name.ResetContent();
    m_name.AddString(ui::kNoDesignation);
    const bool mixer = m_param.type == kAusgangMischer;
    if (m_param.group == (mixer ? 1 : 2)) {
        CParaDaten para;
        for (BYTE k = 1; k <= 16; ++k)
            m_name.AddString(para.GetUserBezeichnung(CParaDaten::kWorkFile, k));
        return;
    }
    std::span<const char* const> names = ui::output_lists::kGeneralOutputs;
    if (mixer)
        names = ui::output_lists::kMixerOutputs;
    else if (m_param.type == kAusgangDatenleitung)
        names = ui::output_lists::kDataLineOutputs;
    else if (m_param.group == 1)
        names = ui::output_lists::kClimateOutputs;
    for (const char* name : names)
        m_name.AddString(name);
}

void CAusgang::ShowDesignation()
{
    if (m_param.index >= m_name.GetCount()) {
        m_name.SetCurSel(0);
        Enable(IDC_BEZ_ZIFFER, false);
    } else {
        m_name.SetCurSel(m_param.index);
    }
    m_digit.SetCurSel(m_param.digit);
}

void CAusgang::ShowRecord(BYTE n, bool refillNumbers, bool refillNames, bool refillValues)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    m_nNr = n;
    CParaCheck check;
    check.CheckAusgang(n, m_param);
    if (refillNumbers) {
        m_nr.ResetContent();
        m_nr.AddString(ui::kEingangNotUsed);
        CString item;
        if (m_kind == Kind::Analog) {
            for (BYTE k : kAnalogNumbers) {
                item.Format("%s %d (%s)", ui::kAusgangWord, k, ui::kAusgangAnalog);
                m_nr.AddString(item);
            }
        } else if (m_kind == Kind::Mischer) {
            for (const char* pair : ui::kAusgangMixerPairs)
                m_nr.AddString(CString(ui::kAusgangWord) + pair);
        } else {
            for (int k = 1; k <= 14; ++k) {
                item.Format("%s %d", ui::kAusgangWord, k);
                m_nr.AddString(item);
            }
        }
    }
    m_nr.SetCurSel(ItemOf(n));

    for (UINT id : kRuledIds)
        Enable(id, false);
    m_nTyp = m_nGruppe = m_nModus = -1;
    for (CComboBox* list :
         {&m_name, &m_digit, &m_time1, &m_runOn, &m_runTime, &m_level, &m_inLow, &m_inHigh, &m_outLow, &m_outHigh})
        list->SetCurSel(-1);
    SetDlgItemText(IDC_AUSGANG_ZEIT1_LABEL, ui::kAusgangDelay);
    m_strLaufLabel = ui::kAusgangRunTime;
    m_strSteuerLabel = ui::kAusgangDigitalLevel;
    SetUnit(IDC_AUSGANG_ZEIT1_UNIT, 0);
    SetUnit(IDC_AUSGANG_NACHLAUF_UNIT, 0);
    SetUnit(IDC_AUSGANG_LAUFZEIT_UNIT, 0);
    for (UINT unit : {IDC_AUSGANG_STEUER_UNIT, IDC_AUSGANG_SKALA_LOW_UNIT, IDC_AUSGANG_SKALA_HIGH_UNIT})
        SetDlgItemText(static_cast<int>(unit), ui::kUnitVolt);

    if (n == 15 || n == 16) {
        for (UINT id : {IDC_AUSGANG_ZEIT1, IDC_AUSGANG_STEUER, IDC_AUSGANG_SKALA_EIN_LOW, IDC_AUSGANG_SKALA_EIN_HIGH,
                        IDC_AUSGANG_SKALA_AUS_LOW, IDC_AUSGANG_SKALA_AUS_HIGH})
            Enable(id, true);
        SetDlgItemText(IDC_AUSGANG_ZEIT1_LABEL, ui::kAusgangModeGroup);
        const bool pwm = m_param.pwm != 0;
        if (refillValues) {
            Fill(m_time1, ui::kAnalogModes);
            for (CComboBox* list : {&m_level, &m_outLow, &m_outHigh})
                FillAnalog(*list, pwm);
        }
        m_time1.SetCurSel(pwm ? 1 : 0);
        SetDlgItemText(IDC_AUSGANG_ZEIT1_UNIT, "");
        for (UINT unit : {IDC_AUSGANG_STEUER_UNIT, IDC_AUSGANG_SKALA_LOW_UNIT, IDC_AUSGANG_SKALA_HIGH_UNIT})
            SetDlgItemText(static_cast<int>(unit), pwm ? ui::kUnitPercent : ui::kUnitVolt);
        m_level.SetCurSel(m_param.digitalLevel);
        m_inLow.SetCurSel(m_param.scaleInLow);
        m_inHigh.SetCurSel(m_param.scaleInHigh);
        m_outLow.SetCurSel(m_param.scaleOutLow);
        m_outHigh.SetCurSel(m_param.scaleOutHigh);
    } else if (n >= 1 && n <= 14) {
        Enable(1090, true);
        Enable(1413, true);
        Enable(1416, SpeedControlAllowed(n));
        Enable(1420, IsMischerErsterAusgang(n));
        Enable(1421, n == 14);
        Enable(IDC_BEZ_NAME, true);
        Enable(IDC_BEZ_ZIFFER, true);
        m_nTyp = m_param.type;
        switch (m_param.type) {
        case kAusgangSchalt:
        case kAusgangDrehzahl: {
            const bool speed = m_param.type == kAusgangDrehzahl;
            Enable(IDC_BEZ_VERWALTEN, m_param.group == 2);
            for (UINT id : kGruppeIds)
                Enable(id, true);
            for (UINT id : kModusIds)
                Enable(id, speed);
            Enable(IDC_AUSGANG_ZEIT1, true);
            Enable(IDC_AUSGANG_NACHLAUF, true);
            if (refillValues)
                FillTimes(m_time1);
            m_time1.SetCurSel(m_param.delay);
            SetUnit(IDC_AUSGANG_ZEIT1_UNIT, m_param.delay);
            m_runOn.SetCurSel(m_param.followUp);
            SetUnit(IDC_AUSGANG_NACHLAUF_UNIT, m_param.followUp);
            if (n == 14 && !speed) {
                // Output 14 drives the extension module and, with it, may pass a network input to the data line.
                Enable(IDC_AUSGANG_LAUFZEIT, true);
                Enable(IDC_AUSGANG_STEUER, m_param.extension != 0);
                m_strLaufLabel = ui::kAusgangExtension;
                m_strSteuerLabel = ui::kAusgangNetToDataLineLine;
                if (refillValues) {
                    Fill(m_runTime, ui::kNoYes);
                    Fill(m_level, ui::kNoYes);
                }
                m_runTime.SetCurSel(m_param.extension ? 1 : 0);
                m_level.SetCurSel(m_param.extension ? (m_param.netToDataLine ? 1 : 0) : -1);
                SetDlgItemText(IDC_AUSGANG_LAUFZEIT_UNIT, "");
                SetDlgItemText(IDC_AUSGANG_STEUER_UNIT, "");
            }
            m_nModus = speed ? (m_param.phaseCut ? 1 : 0) : -1;
            m_nGruppe = m_param.group;
            if (refillNames)
                FillNames();
            ShowDesignation();
            break;
        }
        case kAusgangMischer:
            Enable(IDC_BEZ_VERWALTEN, m_param.group == 1);
            if (IsMischerErsterAusgang(n)) {
                Enable(1438, true);
                Enable(1415, true);
                Enable(IDC_AUSGANG_LAUFZEIT, true);
            } else {
                // The preceding output's mixer, shown read-only.
                for (UINT id : {1090u, 1413u, static_cast<UINT>(IDC_BEZ_NAME), static_cast<UINT>(IDC_BEZ_ZIFFER)})
                    Enable(id, false);
            }
            if (refillValues)
                FillTimes(m_runTime);
            m_runTime.SetCurSel(m_param.runTime);
            SetUnit(IDC_AUSGANG_LAUFZEIT_UNIT, m_param.runTime);
            m_nGruppe = m_param.group == 1 ? 2 : 0;
            if (refillNames)
                FillNames();
            ShowDesignation();
            break;
        case kAusgangDatenleitung:
            Enable(1438, true);
            Enable(IDC_AUSGANG_ZEIT1, true);
            SetDlgItemText(IDC_AUSGANG_ZEIT1_LABEL, ui::kAusgangNetToDataLine);
            if (refillValues)
                Fill(m_time1, ui::kNoYes);
            m_time1.SetCurSel(m_param.netToDataLine ? 1 : 0);
            SetDlgItemText(IDC_AUSGANG_ZEIT1_UNIT, "");
            m_nGruppe = 0;
            if (refillNames)
                FillNames();
            ShowDesignation();
            break;
        default:
            m_nTyp = 0;
            Enable(IDC_BEZ_NAME, false);
            Enable(IDC_BEZ_ZIFFER, false);
            break;
        }
    }
    UpdateData(FALSE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void CAusgang::OnAusgangNr()
{
    CParaDaten para;
    if (!WriteRecord(para, CParaDaten::kWorkFile, plant::PlantEnd::Save)) {
        // The edits of the output shown could not be kept: it stays shown, with them.
        m_nr.SetCurSel(ItemOf(m_nNr));
        forms::RefuseSave(this);
        return;
    }
    UpdateData(TRUE);
    const BYTE n = NumberOf(m_nr.GetCurSel());
    ReadRecord(n);
    ShowRecord(n, false, true, true);
}

void CAusgang::OnTyp()
{
    UpdateData(TRUE);
    AusgangParam& p = m_param;
    const int type = m_nTyp;
    if (type == kAusgangSchalt || type == kAusgangDrehzahl) {
        if (p.type != type) {
            // Switching and speed-controlled outputs share designation and times.
            const int other = type == kAusgangSchalt ? kAusgangDrehzahl : kAusgangSchalt;
            if (p.type != other) {
                p.group = p.index = p.digit = 0;
                p.delay = p.followUp = 0;
            }
            if (type == kAusgangDrehzahl)
                p.phaseCut = 0;
            p.type = type;
        }
    } else if (type == kAusgangMischer || type == kAusgangDatenleitung) {
        if (p.type != type) {
            p.type = type;
            p.group = p.index = p.digit = 0;
            if (type == kAusgangMischer)
                p.runTime = 92;
        }
    } else {
        p.type = kAusgangUnbenutzt;
    }
    ShowRecord(m_nNr, false, true, true);
}

void CAusgang::OnBezeichnungsGruppe()
{
    UpdateData(TRUE);
    if (m_nGruppe < 0)
        return;
    const int group = m_param.type == kAusgangMischer && m_nGruppe == 2 ? 1 : m_nGruppe;
    if (group == m_param.group)
        return;
    m_param.group = group;
    m_param.index = m_param.digit = 0;
    ShowRecord(m_nNr, false, true, false);
}

void CAusgang::OnBezeichnung()
{
    plant::PickDesignation(m_name, m_digit, m_param.index, m_param.digit);
    ShowRecord(m_nNr, false, false, false);
}

void CAusgang::OnVerzoegerung()
{
    const int s = m_time1.GetCurSel();
    if (s < 0)
        return;
    if (m_nNr == 15 || m_nNr == 16) {
        m_param.pwm = s != 0 ? 1 : 0;
        ShowRecord(m_nNr, false, false, true);
    } else if (m_param.type == kAusgangDatenleitung) {
        m_param.netToDataLine = s != 0 ? 1 : 0;
    } else {
        m_param.delay = static_cast<BYTE>(s);
        SetUnit(IDC_AUSGANG_ZEIT1_UNIT, s);
    }
}

void CAusgang::OnNachlauf()
{
    if (const int s = m_runOn.GetCurSel(); s >= 0) {
        m_param.followUp = static_cast<BYTE>(s);
        SetUnit(IDC_AUSGANG_NACHLAUF_UNIT, s);
    }
}

void CAusgang::OnLaufzeit()
{
    const int s = m_runTime.GetCurSel();
    if (s < 0)
        return;
    if (m_nNr == 14) {
        m_param.extension = s != 0 ? 1 : 0;
        ShowRecord(m_nNr, false, false, false);
    } else {
        m_param.runTime = static_cast<BYTE>(s);
        SetUnit(IDC_AUSGANG_LAUFZEIT_UNIT, s);
    }
}

void CAusgang::OnModus()
{
    UpdateData(TRUE);
    m_param.phaseCut = m_nModus == 1 ? 1 : 0;
}

void CAusgang::OnSteuerwert()
{
    const int s = m_level.GetCurSel();
    if (s < 0)
        return;
    if (m_nNr == 14)
        m_param.netToDataLine = s != 0 ? 1 : 0;
    else
        m_param.digitalLevel = static_cast<BYTE>(s);
}

void CAusgang::OnSkalaEingang()
{
    if (const int low = m_inLow.GetCurSel(); low >= 0)
        m_param.scaleInLow = static_cast<BYTE>(low);
    if (const int high = m_inHigh.GetCurSel(); high >= 0)
        m_param.scaleInHigh = static_cast<BYTE>(high);
    if (m_param.scaleInHigh <= m_param.scaleInLow)
        m_param.scaleInHigh = static_cast<BYTE>(m_param.scaleInLow + 1);
    ShowRecord(m_nNr, false, false, false);
}

void CAusgang::OnSkalaAusgang()
{
    if (const int low = m_outLow.GetCurSel(); low >= 0)
        m_param.scaleOutLow = static_cast<BYTE>(low);
    if (const int high = m_outHigh.GetCurSel(); high >= 0)
        m_param.scaleOutHigh = static_cast<BYTE>(high);
}

void CAusgang::OnBezeichnungenVerwalten()
{
    CBezeichnungenDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    m_bBezeichnungenGeaendert = true;
    ShowRecord(m_nNr, false, true, false);
}

void CAusgang::OnAntiblockierschutz()
{
    CAntiblockierDlg dialog;
    dialog.DoModal();
}

bool CAusgang::WriteRecord(CParaDaten& para, int file, plant::PlantEnd)
{
    // The second output of a mixer pair never holds a mixer of its own.
    if (IsMischerZweiterAusgang(m_nNr) && m_param.type == kAusgangMischer)
        m_param.type = kAusgangUnbenutzt;
    return m_nNr < 1 || m_nNr > 16 || para.SetAusgang(file, m_nNr, m_param);
}

void CAusgang::StoreNumber(CZeichnung& drawing)
{
    if (m_kind == Kind::Mischer)
        drawing.SetMischerNr(Start().id, m_nNr);
    else
        drawing.SetAusgangNr(Start().id, m_nNr);
}

void CAusgang::SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte)
{
    auto send = [&channel](int textId, const CString& text) {
        if (textId > 0)
            channel.SetText(static_cast<UINT>(textId), text);
    };
    auto number = [](int n) {
        CString text;
        text.Format("%d", n);
        return text;
    };
    BYTE stored = 0;
    int textId = 0;
    int secondId = 0;
    if (m_kind == Kind::Mischer) {
        if (drawing.GetMischerNr(Start().id, stored, textId, secondId)) {
            send(textId, number(m_nNr));
            send(secondId, number(m_nNr != 0 ? m_nNr + 1 : 0));
        }
    } else if (drawing.GetAusgangNr(Start().id, stored, textId)) {
        send(textId, number(m_nNr));
    }

    const bool numbered = m_nNr >= 1 && m_nNr <= 16;
    CString text = ui::kEingangUnused;
    if (numbered && m_kind == Kind::Analog) {
        text = ui::kAusgangAnalogDesignation;
    } else if (numbered) {
        AusgangParam shown = m_param;
        if (m_kind == Kind::Ausgang && IsMischerZweiterAusgang(m_nNr)) {
            CParaDaten para;
            AusgangParam mixer;
            if (para.GetAusgang(CParaDaten::kWorkFile, static_cast<BYTE>(m_nNr - 1), mixer) &&
                mixer.type == kAusgangMischer)
                shown = mixer;
        }
        text = texte.GetAusgangText(CParaDaten::kWorkFile, shown);
    }
    if (drawing.GetTextId(Start().id, textId))
        send(textId, text);
}

UINT CAusgang::OwnLabelGroups() const
{
    return CTexte::kLabelsAusgaenge;
}
