// The maintenance function's input-variable form: the external switch and the participating controllers.
#include "forms/logic/CWartungsfuncVarIn.h"

#include "forms/logic/CWartungsfunc.h"
#include "platform/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/WartungsfuncParam.h"
#include "texts/CTexte.h"

#include <cstddef>
#include <vector>

IMPLEMENT_DYNCREATE(CWartungsfuncVarIn, FunctionVarInForm)

namespace {

using namespace forms;
using R = WartungsfuncParam;

constexpr UINT kCountLabel = 1422;
constexpr UINT kCount = 1205;
constexpr UINT kParticipantsLabel = 1423;
constexpr UINT kParticipants[5] = {1209, 1212, 1216, 1220, 1224};

// The external switch has no fixed state: open, it shows no mode.
const std::vector<InputRow> kInputs = {
    {ui::kWartungSwitchInput, 0, IDC_RELEASE_HEADING, IDC_RELEASE_SOURCE_LABEL, InputKind::Digital,
     offsetof(R, externalSwitch.kind), offsetof(R, externalSwitch.inverted), offsetof(R, externalSwitch.number), 1,
     IDC_RELEASE_KIND, IDC_RELEASE_NUMBER, IDC_RELEASE_VARIABLE, IDC_RELEASE_MODE_LABEL, IDC_RELEASE_MODE,
     ModeRule::Optional, true},
};

const std::vector<LayoutGroup> kParticipantRows = {
    {0,
     nullptr,
     {{kCountLabel, "", 0, ControlKind::None},
      {0, nullptr, kCount, ControlKind::Combo},
      {kParticipantsLabel, "", 0, ControlKind::None},
      {0, nullptr, kParticipants[0], ControlKind::Combo},
      {0, nullptr, kParticipants[1], ControlKind::Combo},
      {0, nullptr, kParticipants[2], ControlKind::Combo},
      {0, nullptr, kParticipants[3], ControlKind::Combo},
      {0, nullptr, kParticipants[4], ControlKind::Combo}}},
};

const std::vector<ValueControl> kParticipantValues = {
    {kCount, FORM_FIELD(R, circuitCount), 1, {resources::NumberList(1, 5, 3).items}},
};

}  // namespace

BEGIN_MESSAGE_MAP(CWartungsfuncVarIn, FunctionVarInForm)
ON_CBN_SELENDOK(kCount, OnAnzahl)
ON_CBN_SELENDOK(kParticipants[0], OnTeilnehmer)
ON_CBN_SELENDOK(kParticipants[1], OnTeilnehmer)
ON_CBN_SELENDOK(kParticipants[2], OnTeilnehmer)
ON_CBN_SELENDOK(kParticipants[3], OnTeilnehmer)
ON_CBN_SELENDOK(kParticipants[4], OnTeilnehmer)
END_MESSAGE_MAP()

CWartungsfuncVarIn::CWartungsfuncVarIn()
    : FunctionVarInForm(CWartungsfunc::kKind, kInputs, &CWartungsfunc::Instance, kParticipantRows, kParticipantValues)
{}

void CWartungsfuncVarIn::DoDataExchange(CDataExchange* dx)
{
    FunctionVarInForm::DoDataExchange(dx);
    DDX_Control(dx, kCount, m_count);
    for (size_t k = 0; k < m_participants.size(); ++k)
        DDX_Control(dx, static_cast<int>(kParticipants[k]), m_participants[k]);
}

void CWartungsfuncVarIn::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    FunctionVarInForm::OnActivateView(activate, activateView, deactiveView);
    if (!activate || !g_pWartungsfunc)
        return;
    SetDlgItemText(kCountLabel, ui::kWartungCountLabel);
    SetDlgItemText(kParticipantsLabel, ui::kWartungParticipants);
    if (!m_filled) {
        const FunktionsListe& list = g_pWartungsfunc->Controllers();
        for (CComboBox& combo : m_participants) {
            combo.ResetContent();
            for (int e = 0; e <= list.count; ++e)
                combo.InsertString(e, list.entries[e].text);
        }
        m_filled = true;
    }
    ShowParticipants();
}

void CWartungsfuncVarIn::ShowParticipants()
{
    if (!g_pWartungsfunc)
        return;
    const BYTE* r = g_pWartungsfunc->Record();
    const BYTE count = r[offsetof(R, circuitCount)];
    CTexte texte;
    for (size_t k = 0; k < m_participants.size(); ++k) {
        // The first participant's list stays visible.
        m_participants[k].ShowWindow(k == 0 || k < count ? SW_SHOW : SW_HIDE);
        m_participants[k].SetCurSel(texte.FindInListe(g_pWartungsfunc->Controllers(), r[offsetof(R, circuits) + k]));
    }
    m_count.SetCurSel(count - 1);
}

void CWartungsfuncVarIn::OnAnzahl()
{
    const int index = m_count.GetCurSel();
    if (!g_pWartungsfunc || index < 0)
        return;
    g_pWartungsfunc->Record()[offsetof(R, circuitCount)] = static_cast<BYTE>(index + 1);
    ShowParticipants();
}

void CWartungsfuncVarIn::OnTeilnehmer()
{
    if (!g_pWartungsfunc)
        return;
    const FunktionsListe& list = g_pWartungsfunc->Controllers();
    for (size_t k = 0; k < m_participants.size(); ++k) {
        const int index = m_participants[k].GetCurSel();
        // A list without selection keeps its entry.
        if (index >= 0 && index <= list.count)
            g_pWartungsfunc->Record()[offsetof(R, circuits) + k] = list.entries[index].flag;
    }
}
