// The network input form: load, show, the handlers, and its steps of the three ends.
#include "forms/plant/CNetzwerkEingang.h"

#include "drawing/CZeichnung.h"
#include "forms/plant/NetworkSettings.h"
#include "forms/plant/PlantFormFactories.h"
#include "forms/plant/PlantTemplates.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "resources/Messages.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "resources/UiTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/NetzEingang.h"
#include "texts/CTexte.h"

#include <algorithm>

PLANT_FORM_FACTORIES(CNetzwerkEingang, IDD_NETZEINGANG, &plant::NetzEingangTemplate, g_pNetzwerkEingang)

BEGIN_MESSAGE_MAP(CNetzwerkEingang, CFormView)
ON_CBN_SELENDOK(IDC_NETZEIN_KIND, OnEingangWahl)
ON_CBN_SELENDOK(IDC_NETZEIN_NUMBER, OnEingangWahl)
ON_CBN_SELENDOK(IDC_NETZEIN_BUS, OnBus)
ON_CBN_SELENDOK(IDC_NETZEIN_NODE, OnKnoten)
ON_CBN_SELENDOK(IDC_NETZEIN_OUTPUT, OnNetzAusgang)
ON_BN_CLICKED(IDC_NETZEIN_SETTINGS, OnNetzEinstellungen)
END_MESSAGE_MAP()

namespace {

constexpr int kMinTimeout = 5;

}  // namespace

void CNetzwerkEingang::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_NETZEIN_KIND, m_kind);
    DDX_Control(dx, IDC_NETZEIN_NUMBER, m_number);
    DDX_Control(dx, IDC_NETZEIN_BUS, m_bus);
    DDX_Control(dx, IDC_NETZEIN_NODE, m_node);
    DDX_Control(dx, IDC_NETZEIN_OUTPUT, m_output);
    for (int k = 0; k < 8; ++k)
        DDX_Control(dx, static_cast<int>(kNetzTimeoutIds[k].list), m_timeoutLists[k]);
    DDX_Text(dx, IDC_NETZEIN_TITLE, m_strTitle);
    DDX_Text(dx, IDC_NETZEIN_LABEL, m_strLabel);
    DDX_Text(dx, IDC_NETZEIN_SOURCE_LABEL, m_strSource);
    DDX_Text(dx, IDC_NETZEIN_NODE_LABEL, m_strNode);
    DDX_Text(dx, IDC_NETZEIN_OUTPUT_LABEL, m_strOutput);
}

void CNetzwerkEingang::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

bool CNetzwerkEingang::StatusObject() const
{
    return Start().name == "Netzwerkstatus";
}

NetzEingang* CNetzwerkEingang::Entry()
{
    return IsDigitalNetworkNumber(m_code) ? &m_digital[m_code - 1]
        : IsAnalogNetworkNumber(m_code)   ? &m_analog[m_code - 17]
                                          : nullptr;
}

void CNetzwerkEingang::LoadForm()
{
    m_strTitle = StatusObject() ? ui::kNetzEinTitleStatus : ui::kNetzEinTitle;
    m_strLabel = ui::kEingangWord;
    m_strSource = ui::kNetzEinSource;
    m_strNode = ui::kNetzEinNode;
    SetDlgItemText(IDC_NETZEIN_TIMEOUT_GROUP, ui::kNetzEinTimeoutGroup);
    SetDlgItemText(IDC_NETZEIN_SETTINGS_GROUP, ui::kNetzEinSettingsGroup);
    CString caption;
    caption.Format("%s...", ui::kNetzEinSettings);
    SetDlgItemText(IDC_NETZEIN_SETTINGS, caption);
    for (int k = 0; k < 8; ++k) {
        caption.Format(ui::kNetzEinRanges[k % 4], k < 4 ? ui::kNetzEinDigital : ui::kNetzEinAnalog);
        SetDlgItemText(static_cast<int>(kNetzTimeoutIds[k].group), caption);
        SetDlgItemText(static_cast<int>(kNetzTimeoutIds[k].label), ui::kNetzEinTimeout);
        SetDlgItemText(static_cast<int>(kNetzTimeoutIds[k].unit), ui::kUnitMinutes);
    }
    const int kinds = StatusObject() ? 4 : 3;
    m_kind.ResetContent();
    for (int i = 0; i < kinds; ++i)
        m_kind.AddString(CString(" ") + ui::kNetzEinKinds[i]);
    m_bus.ResetContent();
    for (const char* bus : ui::kNetzEinBuses)
        m_bus.AddString(CString(" ") + bus);

    const BYTE code = forms::StoredNetworkNumber(Start().id, StatusObject() ? kAllNetworkInputs : 32);
    m_nodeChanged = false;
    CParaDaten para;
    m_analogRead = para.GetNetzEingaengeAnalog(CParaDaten::kWorkFile, m_analog);
    m_digitalRead = para.GetNetzEingaengeDigital(CParaDaten::kWorkFile, m_digital);
    m_timeoutsRead = para.GetNetzTimeouts(CParaDaten::kWorkFile, m_timeouts);
    // What could not be read starts from the blank record, which the repair completes.
    if (!m_analogRead)
        std::fill(std::begin(m_analog), std::end(m_analog), NetzEingang{});
    if (!m_digitalRead)
        std::fill(std::begin(m_digital), std::end(m_digital), NetzEingang{});
    if (!m_timeoutsRead)
        std::fill(std::begin(m_timeouts), std::end(m_timeouts), BYTE{0});
    UpdateForm(code, true);
}

void CNetzwerkEingang::UpdateForm(BYTE code, bool reselectTimeouts)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    m_code = code;
    CParaCheck check;
    m_kind.SetCurSel(IsDigitalNetworkNumber(code)                      ? 1
                         : IsAnalogNetworkNumber(code)                 ? 2
                         : code == kAllNetworkInputs && StatusObject() ? 3
                                                                       : 0);
    m_number.EnableWindow(IsDigitalNetworkNumber(code) || IsAnalogNetworkNumber(code));
    m_number.SetCurSel(IsDigitalNetworkNumber(code) ? code - 1 : IsAnalogNetworkNumber(code) ? code - 17 : -1);

    if (IsDigitalNetworkNumber(code))
        check.CheckNetzEingaengeDigital(m_digital);
    else if (IsAnalogNetworkNumber(code))
        check.CheckNetzEingaengeAnalog(m_analog);
    m_strOutput = IsDigitalNetworkNumber(code) ? ui::kNetzEinOutputDigital
        : IsAnalogNetworkNumber(code)          ? ui::kNetzEinOutputAnalog
                                               : ui::kNetzEinOutput;
    const NetzEingang* entry = Entry();
    const bool used = entry && entry->node != 0;
    m_bus.EnableWindow(entry != nullptr);
    m_node.EnableWindow(used);
    m_output.EnableWindow(used);
    m_bus.SetCurSel(entry ? (used ? entry->transport + 1 : 0) : -1);
    m_node.SetCurSel(used ? entry->node - 1 : -1);
    m_output.SetCurSel(used ? entry->output - 1 : -1);

    if (reselectTimeouts) {
        check.CheckNetzTimeouts(m_timeouts);
        for (int k = 0; k < 8; ++k)
            m_timeoutLists[k].SetCurSel(m_timeouts[k] - kMinTimeout);
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    UpdateData(FALSE);
}

void CNetzwerkEingang::OnEingangWahl()
{
    const int kind = m_kind.GetCurSel();
    const int index = std::max(m_number.GetCurSel(), 0);
    BYTE code = 0;
    if (kind == 1)
        code = static_cast<BYTE>(1 + index);
    else if (kind == 2)
        code = static_cast<BYTE>(17 + index);
    else if (kind == 3)
        code = kAllNetworkInputs;
    UpdateForm(code, false);
}

void CNetzwerkEingang::OnBus()
{
    NetzEingang* entry = Entry();
    const int selection = m_bus.GetCurSel();
    if (!entry || selection < 0)
        return;
    if (selection == 0) {
        entry->node = 0;
    } else {
        entry->transport = static_cast<BYTE>(selection - 1);
        if (entry->node == 0)
            entry->node = 1;
    }
    UpdateForm(m_code, false);
}

void CNetzwerkEingang::OnKnoten()
{
    NetzEingang* entry = Entry();
    if (const int selection = m_node.GetCurSel(); entry && selection >= 0) {
        entry->node = static_cast<BYTE>(selection + 1);
        UpdateForm(m_code, false);
    }
}

void CNetzwerkEingang::OnNetzAusgang()
{
    NetzEingang* entry = Entry();
    if (const int selection = m_output.GetCurSel(); entry && selection >= 0)
        entry->output = static_cast<BYTE>(selection + 1);
}

void CNetzwerkEingang::OnNetzEinstellungen()
{
    if (forms::EditNetworkSettings(this))
        m_nodeChanged = true;
}

bool CNetzwerkEingang::MayAssign()
{
    const NetzEingang* entry = Entry();
    if (!entry)
        return true;
    CParaDaten para;
    const bool read = IsDigitalNetworkNumber(m_code) ? para.GetNetzEingaengeDigital(CParaDaten::kParaFile, m_assignList)
                                                     : para.GetNetzEingaengeAnalog(CParaDaten::kParaFile, m_assignList);
    if (!read) {
        messages::Show(m_hWnd, messages::kNetzAssignRefused);
        return false;
    }
    m_assignList[IsDigitalNetworkNumber(m_code) ? m_code - 1 : m_code - 17] = *entry;
    return true;
}

bool CNetzwerkEingang::WriteRecord(CParaDaten& para, int file, plant::PlantEnd end)
{
    if (end == plant::PlantEnd::Assign) {
        if (IsDigitalNetworkNumber(m_code))
            return para.SetNetzEingaengeDigital(file, m_assignList);
        if (IsAnalogNetworkNumber(m_code))
            return para.SetNetzEingaengeAnalog(file, m_assignList);
        return true;
    }
    for (int k = 0; k < 8; ++k) {
        const int selection = m_timeoutLists[k].GetCurSel();
        if (selection >= 0)
            m_timeouts[k] = static_cast<BYTE>(selection + kMinTimeout);
    }
    bool ok = true;
    if (m_timeoutsRead)
        ok = para.SetNetzTimeouts(file, m_timeouts) && ok;
    if (m_analogRead)
        ok = para.SetNetzEingaengeAnalog(file, m_analog) && ok;
    if (m_digitalRead)
        ok = para.SetNetzEingaengeDigital(file, m_digital) && ok;
    return ok;
}

void CNetzwerkEingang::StoreNumber(CZeichnung& drawing)
{
    drawing.SetNetzNr(Start().name, Start().id, m_code);
}

void CNetzwerkEingang::SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte)
{
    forms::SendNetworkNumberLabels(channel, drawing, Start().id, m_code, [&] {
        return StatusObject() ? texte.GetNetzNrTextAlle(m_code) : texte.GetNetzNrText(m_code);
    });
    if (StatusObject())
        return;
    forms::NetworkLabelIds ids;
    if (!forms::GetNetworkLabelIds(drawing, Start().id, ids))
        return;
    if (ids.type != 0)
        channel.SetText(static_cast<UINT>(ids.type), texte.GetNetzVariableText(m_code, m_digital, m_analog));
    // The node and output labels name the sending controller's node and network output.
    const NetzEingang* entry = Entry();
    const bool used = entry && entry->node != 0;
    forms::SendNetworkPlaceLabels(channel, ids, used, used ? entry->node : 0, used ? entry->output : 0);
}

UINT CNetzwerkEingang::OwnLabelGroups() const
{
    return CTexte::kLabelsNetzEingaenge;
}

UINT CNetzwerkEingang::OtherLabelGroups() const
{
    return m_nodeChanged ? static_cast<UINT>(CTexte::kLabelsNetzAusgaenge) : 0u;
}
