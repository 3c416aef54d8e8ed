// The input form: load, show by case, the handlers, and its steps of the three ends.
#include "forms/plant/CEingang.h"

#include "drawing/CZeichnung.h"
#include "forms/dialogs/CBezeichnungenDlg.h"
#include "forms/dialogs/SaveRefusal.h"
#include "forms/plant/EingangLists.h"
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

#include <algorithm>
#include <span>

PLANT_FORM_FACTORIES(CEingang, IDD_EINGANG, &plant::EingangTemplate, g_pEingang)

namespace {
// The radio buttons of the form lie between these ids, and no other button does.
constexpr UINT kFirstRadioId = 1349;
constexpr UINT kLastRadioId = 1443;
}  // namespace

BEGIN_MESSAGE_MAP(CEingang, CFormView)
ON_CBN_SELENDOK(IDC_EINGANG_NR, OnEingangNr)
// The five radio groups share one id range; OnRadio hands a click to its group's handler.
ON_CONTROL_RANGE(BN_CLICKED, kFirstRadioId, kLastRadioId, OnRadio)
ON_CBN_SELENDOK(IDC_BEZ_NAME, OnBezeichnung)
ON_CBN_SELENDOK(IDC_BEZ_ZIFFER, OnBezeichnung)
ON_CBN_SELENDOK(IDC_EINGANG_MITTEL, OnMittelwert)
ON_CBN_SELENDOK(IDC_EINGANG_KORR, OnSensorkorrektur)
ON_CBN_SELENDOK(IDC_EINGANG_PROZESS_LOW, OnSkalierungProzess)
ON_CBN_SELENDOK(IDC_EINGANG_PROZESS_HIGH, OnSkalierungProzess)
ON_CBN_SELENDOK(IDC_EINGANG_SIGNAL_LOW, OnSkalierungSignal)
ON_CBN_SELENDOK(IDC_EINGANG_SIGNAL_HIGH, OnSkalierungSignal)
ON_BN_CLICKED(IDC_BEZ_VERWALTEN, OnBezeichnungenVerwalten)
ON_BN_CLICKED(IDC_EINGANG_SENSORCHECK, OnSensorcheck)
END_MESSAGE_MAP()

namespace {

constexpr BYTE kAllInputs = 17;

// The radio groups, each with its buttons in template order and their captions.
struct RadioGroup {
    UINT box;
    const char* title;
    std::span<const UINT> ids;
    std::span<const char* const> captions;
    void (CEingang::*clicked)();
};
constexpr UINT kTypIds[] = {1435, 1349, 1371, 1408};
constexpr UINT kGroesseIds[] = {1436, 1388, 1398, 1400, 1402, 1410, 1411, 1412};
constexpr UINT kGruppeIds[] = {1438, 1394, 1396, 1393, 1385, 1415};
constexpr UINT kSondeIds[] = {1443, 1387, 1389, 1390, 1391};
constexpr UINT kProzessIds[] = {1437, 1404, 1406, 1407, 1409, 1413, 1414, 1416};
const RadioGroup kTyp{IDC_EINGANG_TYP_GROUP, ui::kEingangTypGroup, kTypIds, ui::kEingangTypes, &CEingang::OnTyp};
const RadioGroup kGroesse{IDC_EINGANG_GROESSE_GROUP, ui::kEingangGroesseGroup, kGroesseIds, ui::kEingangQuantities,
                          &CEingang::OnMessgroesse};
const RadioGroup kGruppe{IDC_EINGANG_BEZGRUPPE_GROUP, ui::kEingangBezGruppeGroup, kGruppeIds, ui::kEingangGroups,
                         &CEingang::OnBezeichnungsGruppe};
const RadioGroup kSonde{IDC_EINGANG_SONDE_GROUP, ui::kEingangSondeGroup, kSondeIds, ui::kEingangSensors,
                        &CEingang::OnSensor};
const RadioGroup kProzess{IDC_EINGANG_PROZESS_GROUP, ui::kEingangProzessGroup, kProzessIds, ui::kEingangProcesses,
                          &CEingang::OnProzessgroesse};
const RadioGroup* const kRadioGroups[] = {&kTyp, &kGroesse, &kGruppe, &kSonde, &kProzess};

// Measured quantity and sensor of each radio; the measured radios 0 to 4 are analog, 5 to 7 impulse.
constexpr int kQuantityOfRadio[] = {1, 2, 3, 4, 5, 1, 2, 0};
constexpr int kFirstImpulseRadio = 5;
constexpr int kSensorOfRadio[] = {1, 2, 3, 4, 1};
constexpr int kUserGroupRadio = 5;

bool TemperatureLike(int process)
{
    return process == 1 || process == 6 || process == 7;
}

}  // namespace

void CEingang::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_EINGANG_NR, m_nr);
    DDX_Control(dx, IDC_BEZ_NAME, m_name);
    DDX_Control(dx, IDC_BEZ_ZIFFER, m_digit);
    DDX_Control(dx, IDC_EINGANG_MITTEL, m_mean);
    DDX_Control(dx, IDC_EINGANG_KORR, m_correction);
    DDX_Control(dx, IDC_EINGANG_SIGNAL_LOW, m_signalLow);
    DDX_Control(dx, IDC_EINGANG_SIGNAL_HIGH, m_signalHigh);
    DDX_Control(dx, IDC_EINGANG_PROZESS_LOW, m_processLow);
    DDX_Control(dx, IDC_EINGANG_PROZESS_HIGH, m_processHigh);
    DDX_Control(dx, IDC_BEZ_VERWALTEN, m_manage);
    DDX_Control(dx, IDC_EINGANG_SENSORCHECK, m_check);
    DDX_Radio(dx, IDC_EINGANG_TYP, m_nTyp);
    DDX_Radio(dx, IDC_EINGANG_GROESSE, m_nGroesse);
    DDX_Radio(dx, IDC_EINGANG_BEZGRUPPE, m_nGruppe);
    DDX_Radio(dx, IDC_EINGANG_SONDE, m_nSonde);
    DDX_Radio(dx, IDC_EINGANG_PROZESS, m_nProzess);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Text(dx, IDC_BEZ_LABEL, m_strBezLabel);
    DDX_Text(dx, IDC_EINGANG_NR_LABEL, m_strNrLabel);
    DDX_Text(dx, IDC_EINGANG_MITTEL_LABEL, m_strMittelLabel);
    DDX_Text(dx, IDC_EINGANG_MITTEL_UNIT, m_strMittelUnit);
    DDX_Text(dx, IDC_EINGANG_KORR_LABEL, m_strKorrLabel);
    DDX_Text(dx, IDC_EINGANG_KORR_UNIT, m_strKorrUnit);
}

void CEingang::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CEingang::LoadForm()
{
    CParaDaten para;
    m_strTitle = ui::kEingangTitle;
    m_strBezLabel = ui::kEingangDesignation;
    m_strNrLabel.Format("%s:", ui::kEingangWord);
    m_strMittelLabel = ui::kEingangMeanLabel;
    m_strMittelUnit = ui::kEingangMeanUnit;
    for (const RadioGroup* group : kRadioGroups) {
        SetDlgItemText(static_cast<int>(group->box), group->title);
        for (size_t i = 0; i < group->ids.size(); ++i)
            SetDlgItemText(static_cast<int>(group->ids[i]), group->captions[i]);
    }
    SetDlgItemText(IDC_EINGANG_SENSORCHECK, ui::kEingangSensorCheck);
    SetDlgItemText(IDC_EINGANG_SKALA_GROUP, ui::kEingangSkalaGroup);

    BYTE n = 0;
    {
        CZeichnung drawing;
        int textId = 0;
        if (!drawing.GetEingangNr(Start().id, n, textId))
            n = 0;
    }
    const bool sensorStatus = Start().name == "Sensorstatus";
    m_nr.ResetContent();
    m_nr.AddString(ui::kEingangNotUsed);
    for (int i = 1; i <= 16; ++i) {
        CString item;
        item.Format("%s %d", ui::kEingangWord, i);
        m_nr.AddString(item);
    }
    if (sensorStatus)
        m_nr.AddString(ui::kEingangAll);
    if (n > (sensorStatus ? kAllInputs : 16))
        n = 0;
    m_nNr = n;
    if (HasInput())
        para.GetEingang(CParaDaten::kWorkFile, n, m_param);
    ShowRecord(n, true, true, true);
}

CEingang::Case CEingang::CurrentCase() const
{
    if (!HasInput())
        return Case::NoInput;
    switch (m_param.type) {
    case kEingangDigital: return Case::Digital;
    case kEingangImpuls: return Case::Impulse;
    case kEingangAnalog:
        return m_param.quantity == kGroesseTemperatur ? Case::Temperature
            : m_param.quantity == kGroesseStrahlung   ? Case::Solar
                                                      : Case::Signal;
    default: return Case::NotUsed;
    }
}

bool CEingang::SixGroups() const
{
    return m_param.type == kEingangAnalog &&
        (m_param.quantity == kGroesseTemperatur ||
         (m_param.quantity >= kGroesseSpannung && TemperatureLike(m_param.processQuantity)));
}

bool CEingang::UserGroup() const
{
    return m_param.group == (SixGroups() ? kUserGroupRadio : 1);
}

void CEingang::EnableIds(std::initializer_list<UINT> ids, bool enable)
{
    for (UINT id : ids)
        if (CWnd* control = GetDlgItem(static_cast<int>(id)))
            control->EnableWindow(enable);
}

void CEingang::FillDesignations()
{
    m_name.ResetContent();
    m_name.AddString(ui::kNoDesignation);
    if (UserGroup()) {
        CParaDaten para;
        for (BYTE n = 1; n <= 16; ++n)
            m_name.AddString(para.GetUserBezeichnung(CParaDaten::kWorkFile, n));
        return;
    }
    for (const char* item : plant::EingangStandardList(m_param, SixGroups()))
        m_name.AddString(item);
}

void CEingang::FillCorrection(Case c)
{
    const plant::ValueList list = plant::EingangCorrection(m_param, c == Case::Temperature, c == Case::Solar);
    m_correction.ResetContent();
    for (const CString& item : list.items)
        m_correction.AddString(item);
    m_correction.SetCurSel(list.selection);
    m_strKorrLabel = list.label;
    m_strKorrUnit = list.unit;
}

void CEingang::FillScales(bool signal, bool process)
{
    auto fill = [this](CComboBox& combo, UINT unitId, const plant::ValueList& list) {
        combo.ResetContent();
        for (const CString& item : list.items)
            combo.AddString(item);
        SetDlgItemText(static_cast<int>(unitId), list.unit);
    };
    if (signal) {
        fill(m_signalLow, IDC_EINGANG_SIGNAL_LOW_UNIT, plant::EingangSignalScale(m_param, false));
        fill(m_signalHigh, IDC_EINGANG_SIGNAL_HIGH_UNIT, plant::EingangSignalScale(m_param, true));
    }
    if (process) {
        const plant::ValueList scale = plant::EingangProcessScale(m_param);
        fill(m_processLow, IDC_EINGANG_PROZESS_LOW_UNIT, scale);
        fill(m_processHigh, IDC_EINGANG_PROZESS_HIGH_UNIT, scale);
    }
}

void CEingang::ShowRecord(BYTE n, bool refillDesignation, bool refillSignal, bool refillProcess)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    m_nNr = n;
    m_nr.SetCurSel(n);
    for (const RadioGroup* group : kRadioGroups)
        for (UINT id : group->ids)
            EnableIds({id}, false);
    EnableIds({IDC_BEZ_VERWALTEN, IDC_BEZ_NAME, IDC_BEZ_ZIFFER, IDC_EINGANG_MITTEL, IDC_EINGANG_KORR,
               IDC_EINGANG_SIGNAL_LOW, IDC_EINGANG_SIGNAL_HIGH, IDC_EINGANG_PROZESS_LOW, IDC_EINGANG_PROZESS_HIGH,
               IDC_EINGANG_SIGNAL_LOW_UNIT, IDC_EINGANG_SIGNAL_HIGH_UNIT, IDC_EINGANG_PROZESS_LOW_UNIT,
               IDC_EINGANG_PROZESS_HIGH_UNIT},
              false);
    m_check.ShowWindow(SW_HIDE);
    m_nTyp = m_nGroesse = m_nGruppe = m_nSonde = m_nProzess = -1;
    m_strKorrLabel = ui::kEingangQuotientLabel;
    m_strKorrUnit = ui::kUnitFlowQuotient;
    m_mean.SetCurSel(-1);
    m_correction.SetCurSel(-1);
    for (CComboBox* scale : {&m_signalLow, &m_signalHigh, &m_processLow, &m_processHigh})
        scale->SetCurSel(-1);

    if (HasInput()) {
        CParaCheck check;
        check.CheckEingang(n, m_param);
        // A type this input cannot have shows, and is saved, as not used; an analog quantity it cannot have as a
        // temperature. Then the record is repaired again for what it now is.
        const bool impulseInput = n == 15 || n == 16;
        const bool currentInput = n == 8;
        const int type = m_param.type;
        const int quantity = m_param.quantity;
        if ((m_param.type != kEingangDigital && m_param.type != kEingangAnalog && m_param.type != kEingangImpuls) ||
            (m_param.type == kEingangImpuls && !impulseInput))
            m_param.type = kEingangUnbenutzt;
        if (m_param.type == kEingangAnalog && m_param.quantity != kGroesseStrahlung &&
            m_param.quantity != kGroesseSpannung &&
            !(currentInput && (m_param.quantity == kGroesseStrom || m_param.quantity == kGroesseWiderstand)))
            m_param.quantity = kGroesseTemperatur;
        if (type != m_param.type || quantity != m_param.quantity)
            check.CheckEingang(n, m_param);
        EnableIds({kTypIds[0], kTypIds[1], kTypIds[2]}, true);
        EnableIds({kTypIds[3]}, impulseInput);
    }

    const Case c = CurrentCase();
    if (c == Case::NoInput || c == Case::NotUsed) {
        m_name.ResetContent();
        m_digit.SetCurSel(-1);
        for (CComboBox* scale : {&m_signalLow, &m_signalHigh, &m_processLow, &m_processHigh})
            scale->ResetContent();
        if (c == Case::NotUsed)
            m_nTyp = 0;
    } else {
        const bool six = SixGroups();
        const bool analog = c == Case::Temperature || c == Case::Solar || c == Case::Signal;
        const bool current = m_nNr == 8;
        m_nTyp = c == Case::Digital ? 2 : c == Case::Impulse ? 3 : 1;
        EnableIds({IDC_BEZ_NAME, IDC_BEZ_ZIFFER}, true);
        if (analog) {
            EnableIds({kGroesseIds[0], kGroesseIds[1], kGroesseIds[2]}, true);
            EnableIds({kGroesseIds[3], kGroesseIds[4]}, current);
            m_nGroesse = m_param.quantity - 1;
        } else if (c == Case::Impulse) {
            EnableIds({kGroesseIds[5], kGroesseIds[6], kGroesseIds[7]}, true);
            m_nGroesse = m_param.quantity == kGroesseWind ? 7 : m_param.quantity == kGroesseImpulse ? 6 : 5;
        }
        for (size_t i = 0; i < std::size(kGruppeIds); ++i)
            EnableIds({kGruppeIds[i]}, six || i == 0 || i == kUserGroupRadio);
        EnableIds({IDC_BEZ_VERWALTEN}, UserGroup());
        m_nGruppe = six ? m_param.group : m_param.group == 1 ? kUserGroupRadio : 0;

        if (refillDesignation)
            FillDesignations();
        if (m_param.index < m_name.GetCount()) {
            m_name.SetCurSel(m_param.index);
        } else {
            m_name.SetCurSel(0);
            EnableIds({IDC_BEZ_ZIFFER}, false);
        }
        m_digit.SetCurSel(m_param.digit);

        if (c == Case::Temperature || c == Case::Solar) {
            for (size_t i = 0; i < std::size(kSondeIds); ++i)
                EnableIds({kSondeIds[i]}, (i == 4) == (c == Case::Solar));
            m_nSonde = c == Case::Solar                              ? 4
                : m_param.sensorType >= 2 && m_param.sensorType <= 4 ? m_param.sensorType - 1
                                                                     : 0;
            m_check.ShowWindow(SW_SHOW);
            m_check.SetCheck(m_param.sensorCheck ? BST_CHECKED : BST_UNCHECKED);
        }
        const bool meanUsed = analog || (c == Case::Impulse && m_param.quantity != kGroesseImpulse);
        EnableIds({IDC_EINGANG_MITTEL}, meanUsed);
        if (meanUsed)
            m_mean.SetCurSel(m_param.averaging);
        if (c == Case::Temperature || c == Case::Solar || c == Case::Impulse) {
            EnableIds({IDC_EINGANG_KORR}, true);
            FillCorrection(c);
        }
        if (c == Case::Signal) {
            for (UINT id : kProzessIds)
                EnableIds({id}, true);
            EnableIds({IDC_EINGANG_SIGNAL_LOW, IDC_EINGANG_SIGNAL_HIGH, IDC_EINGANG_PROZESS_LOW,
                       IDC_EINGANG_PROZESS_HIGH, IDC_EINGANG_SIGNAL_LOW_UNIT, IDC_EINGANG_SIGNAL_HIGH_UNIT,
                       IDC_EINGANG_PROZESS_LOW_UNIT, IDC_EINGANG_PROZESS_HIGH_UNIT},
                      true);
            m_nProzess = m_param.processQuantity;
            FillScales(refillSignal, refillProcess);
            m_processLow.SetCurSel(m_param.scaleOutLow);
            m_processHigh.SetCurSel(m_param.scaleOutHigh);
            m_signalLow.SetCurSel(m_param.scaleInLow);
            m_signalHigh.SetCurSel(m_param.scaleInHighMinus1);
        }
    }
    UpdateData(FALSE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void CEingang::OnRadio(UINT id)
{
    for (const RadioGroup* group : kRadioGroups)
        if (std::find(group->ids.begin(), group->ids.end(), id) != group->ids.end())
            (this->*group->clicked)();
}

void CEingang::OnEingangNr()
{
    CParaDaten para;
    if (HasInput() && !para.SetEingang(CParaDaten::kWorkFile, m_nNr, m_param)) {
        // The edits of the input shown could not be kept: it stays shown, with them.
        m_nr.SetCurSel(m_nNr);
        forms::RefuseSave(this);
        return;
    }
    const int selection = m_nr.GetCurSel();
    const BYTE n = selection > 0 ? static_cast<BYTE>(selection) : 0;
    m_param = EingangParam{};
    if (n >= 1 && n <= 16)
        para.GetEingang(CParaDaten::kWorkFile, n, m_param);
    ShowRecord(n, true, true, true);
}

void CEingang::OnTyp()
{
    UpdateData(TRUE);
    EingangParam& p = m_param;
    switch (m_nTyp) {
    case 1:
        if (p.type != kEingangAnalog) {
            p.type = kEingangAnalog;
            p.quantity = kGroesseTemperatur;
            p.sensorType = 2;
            p.group = p.index = p.digit = 0;
            if (p.averaging > 60)
                p.averaging = 10;
        }
        break;
    case 2:
        if (p.type != kEingangDigital) {
            p.type = kEingangDigital;
            p.group = p.index = p.digit = 0;
        }
        break;
    case 3:
        if (p.type != kEingangImpuls) {
            p.type = kEingangImpuls;
            p.quantity = kGroesseDurchfluss;
            p.group = p.index = p.digit = 0;
            p.factor = p.divisor = 1;
        }
        break;
    default: p.type = kEingangUnbenutzt; break;
    }
    ShowRecord(m_nNr, true, true, true);
}

void CEingang::NewQuantity(int radio)
{
    EingangParam& p = m_param;
    p.quantity = kQuantityOfRadio[radio];
    p.group = p.index = p.digit = 0;
    p.correction = 0;
    if (radio <= 1) {
        p.sensorType = radio == 0 ? 2 : 1;
        if (p.averaging > 60)
            p.averaging = 10;
        return;
    }
    p.sensorCheck = 0;
    if (radio < kFirstImpulseRadio) {
        p.processQuantity = 0;
        p.scaleInLow = 0;
        p.scaleInHighMinus1 = radio == 2 && m_nNr != 8 ? 99 : 199;
        p.scaleOutLow = 0;
        p.scaleOutHigh = 10;
    } else if (p.quantity == kGroesseDurchfluss) {
        p.factor = 1;
    } else if (p.quantity == kGroesseImpulse) {
        if (p.divisor == 0 || p.divisor > 250)
            p.divisor = 1;
    } else {
        p.factor = 5;
    }
}

void CEingang::OnMessgroesse()
{
    UpdateData(TRUE);
    if (m_nGroesse < 0 || kQuantityOfRadio[m_nGroesse] == m_param.quantity)
        return;
    NewQuantity(m_nGroesse);
    ShowRecord(m_nNr, true, true, true);
}

void CEingang::OnBezeichnungsGruppe()
{
    UpdateData(TRUE);
    int group = m_nGruppe;
    if (group < 0)
        return;
    if (!SixGroups() && group == kUserGroupRadio)
        group = 1;
    if (group == m_param.group)
        return;
    m_param.group = group;
    m_param.index = m_param.digit = 0;
    ShowRecord(m_nNr, true, false, false);
}

void CEingang::OnBezeichnung()
{
    plant::PickDesignation(m_name, m_digit, m_param.index, m_param.digit);
    ShowRecord(m_nNr, false, false, false);
}

void CEingang::OnSensor()
{
    UpdateData(TRUE);
    if (m_nSonde >= 0)
        m_param.sensorType = kSensorOfRadio[m_nSonde];
}

void CEingang::OnMittelwert()
{
    const int selection = m_mean.GetCurSel();
    if (selection >= 0)
        m_param.averaging = static_cast<BYTE>(selection);
}

void CEingang::OnSensorkorrektur()
{
    const int s = m_correction.GetCurSel();
    if (s < 0)
        return;
    switch (CurrentCase()) {
    case Case::Temperature: m_param.correction = static_cast<BYTE>(static_cast<signed char>(s - 127)); break;
    case Case::Solar: m_param.correction = static_cast<BYTE>(static_cast<signed char>(s - 99)); break;
    default:
        if (m_param.type == kEingangImpuls && m_param.quantity == kGroesseImpulse)
            m_param.divisor = static_cast<BYTE>(s + 1);
        else
            m_param.factor = static_cast<BYTE>(s + 1);
        break;
    }
}

void CEingang::OnProzessgroesse()
{
    UpdateData(TRUE);
    if (m_nProzess < 0 || m_nProzess == m_param.processQuantity)
        return;
    m_param.processQuantity = m_nProzess;
    m_param.scaleOutLow = 0;
    m_param.scaleOutHigh = 10;
    m_param.group = m_param.index = m_param.digit = 0;
    ShowRecord(m_nNr, true, false, true);
}

void CEingang::OnSkalierungProzess()
{
    // A list without selection keeps its value.
    if (const int low = m_processLow.GetCurSel(); low >= 0)
        m_param.scaleOutLow = static_cast<BYTE>(low);
    if (const int high = m_processHigh.GetCurSel(); high >= 0)
        m_param.scaleOutHigh = static_cast<BYTE>(high);
}

void CEingang::OnSkalierungSignal()
{
    if (const int low = m_signalLow.GetCurSel(); low >= 0)
        m_param.scaleInLow = static_cast<BYTE>(low);
    if (const int high = m_signalHigh.GetCurSel(); high >= 0)
        m_param.scaleInHighMinus1 = static_cast<BYTE>(high);
    if (m_param.scaleInHighMinus1 <= m_param.scaleInLow)
        m_param.scaleInHighMinus1 = m_param.scaleInLow;
    ShowRecord(m_nNr, false, false, false);
}

void CEingang::OnBezeichnungenVerwalten()
{
    CBezeichnungenDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    m_bBezeichnungenGeaendert = true;
    ShowRecord(m_nNr, true, false, false);
}

void CEingang::OnSensorcheck()
{
    m_param.sensorCheck = m_check.GetCheck() == BST_CHECKED ? 1 : 0;
}

bool CEingang::WriteRecord(CParaDaten& para, int file, plant::PlantEnd)
{
    return !HasInput() || para.SetEingang(file, m_nNr, m_param);
}

void CEingang::StoreNumber(CZeichnung& drawing)
{
    drawing.SetEingangNr(Start().id, m_nNr);
}

void CEingang::SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte)
{
    BYTE stored = 0;
    int textId = 0;
    if (drawing.GetEingangNr(Start().id, stored, textId) && textId > 0) {
        CString number;
        number.Format("%d", m_nNr);
        channel.SetText(static_cast<UINT>(textId), number);
    }
    if (drawing.GetTextId(Start().id, textId) && textId > 0) {
        const CString text = HasInput() ? texte.GetEingangText(CParaDaten::kWorkFile, m_param)
            : m_nNr == kAllInputs && Start().name == "Sensorstatus" ? CString(ui::kEingangAllSensors)
                                                                    : CString(ui::kEingangUnused);
        channel.SetText(static_cast<UINT>(textId), text);
    }
}

UINT CEingang::OwnLabelGroups() const
{
    return CTexte::kLabelsEingaenge;
}
