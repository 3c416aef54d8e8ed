// The input-variable form of every function type: headings, source texts and mode lists from the kind's input rows.
#include "forms/frame/FunctionVarInForm.h"

#include "forms/frame/FormLayout.h"
#include "forms/frame/FunctionParamForm.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/FunctionTypes.h"
#include "texts/CTexte.h"
#include "texttables/FunktionsListe.h"

#include <algorithm>

// Controls have ids below the commands (0x8000 on); BN_CLICKED shares its code with a command.
constexpr UINT kLastControlId = 0x7FFF;

IMPLEMENT_DYNAMIC(FunctionVarInForm, CFormView)

BEGIN_MESSAGE_MAP(FunctionVarInForm, CFormView)
    ON_CONTROL_RANGE(CBN_SELENDOK, 1, kLastControlId, OnModus)
END_MESSAGE_MAP()

namespace {

UINT TemplateOf(const forms::FunctionKind& kind)
{
    return static_cast<UINT>(forms::AccessOf(kind).inputs);
}

}  // namespace

FunctionVarInForm::FunctionVarInForm(const forms::FunctionKind& kind, std::span<const forms::InputRow> inputs,
                                     ParamFormOf param, const forms::ParticipantLists* participants)
    : CFormView(TemplateOf(kind)),
      m_inputs(inputs),
      m_param(param),
      m_kind(kind),
      m_texts(inputs.size()),
      m_participants(participants)
{
    const functypes::FunctionType* type = kind.access ? nullptr : functypes::FindFunctionType(kind.code);
    const int places = type ? type->participants.count : 0;
    forms::EnsureTemplate(m_templateId,
                          [&] { return forms::VarInTemplate(m_templateId, inputs, participants, places); });
    for (const forms::InputRow& input : inputs)
        m_modes.push_back(input.modeComboId ? std::make_unique<CComboBox>() : nullptr);
    if (participants)
        for (size_t k = 0; k < participants->listIds.size(); ++k)
            m_places.push_back(std::make_unique<CComboBox>());
}

FunctionVarInForm::~FunctionVarInForm() = default;

void FunctionVarInForm::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Text(dx, IDC_BEZ_NAME, m_strBezeichnung);
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        const forms::InputRow& in = m_inputs[i];
        InputTexts& t = m_texts[i];
        DDX_Text(dx, static_cast<int>(in.headingId), t.heading);
        DDX_Text(dx, static_cast<int>(in.sourceLabelId), t.source);
        DDX_Text(dx, static_cast<int>(in.kindTextId), t.kind);
        DDX_Text(dx, static_cast<int>(in.numberTextId), t.number);
        DDX_Text(dx, static_cast<int>(in.variableTextId), t.variable);
        if (in.modeLabelId)
            DDX_Text(dx, static_cast<int>(in.modeLabelId), t.mode);
        if (m_modes[i])
            DDX_Control(dx, static_cast<int>(in.modeComboId), *m_modes[i]);
    }
    if (m_participants) {
        DDX_Text(dx, static_cast<int>(m_participants->countLabelId), m_countLabel);
        DDX_Text(dx, static_cast<int>(m_participants->listsLabelId), m_listsLabel);
        DDX_Control(dx, static_cast<int>(m_participants->countComboId), m_count);
        for (size_t k = 0; k < m_places.size(); ++k)
            DDX_Control(dx, static_cast<int>(m_participants->listIds[k]), *m_places[k]);
    }
}

void FunctionVarInForm::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        UpdateForm();
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void FunctionVarInForm::UpdateForm()
{
    FunctionParamForm* param = m_param();
    m_strTitle.Format(ui::kFormTitle, m_kind.title, ui::kFormInputs);
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        const forms::InputRow& in = m_inputs[i];
        if (in.headingFormat)
            m_texts[i].heading.Format(in.headingFormat, in.name);
        else if (in.number)
            m_texts[i].heading.Format(ui::kInputHeadingNumbered, in.name, in.number);
        else
            m_texts[i].heading.Format(ui::kInputHeading, in.name);
        m_texts[i].source = ui::kInputSource;
    }
    if (param)
        m_strBezeichnung = param->DesignationLine();
    if (m_participants) {
        m_countLabel = m_participants->countLabel;
        m_listsLabel = m_participants->listsLabel;
    }

    if (param) {
        FillOnFirstActivation([&] {
            for (size_t i = 0; i < m_inputs.size(); ++i)
                if (m_inputs[i].inUse.always)
                    FillInput(i, param->Record());
            // Every place offers the parameter form's list: "no function" first, then the functions in slot order.
            const FunktionsListe& list = param->ParticipantList();
            for (const std::unique_ptr<CComboBox>& place : m_places) {
                place->ResetContent();
                for (int i = 0; i <= list.count && i < FunktionsListe::kEntryCount; ++i)
                    place->InsertString(i, list.entries[i].text);
            }
        });
    }
    if (param) {
        CTexte texte;
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            const forms::InputRow& in = m_inputs[i];
            if (in.inUse.always)
                continue;
            if (InputInUse(in, param->Record())) {
                if (m_modes[i])
                    m_modes[i]->ShowWindow(SW_SHOW);
                FillInput(i, param->Record());
                continue;
            }
            InputTexts& t = m_texts[i];
            texte.GetQuelleTexte(0, 0, 1, t.kind, t.number, t.variable);
            t.mode.Empty();
            if (m_modes[i])
                m_modes[i]->ShowWindow(SW_HIDE);
        }
    }
    UpdateData(FALSE);
    if (param && m_participants)
        ShowParticipants();
}

void FunctionVarInForm::FillInput(size_t i, const BYTE* record)
{
    const forms::InputRow& in = m_inputs[i];
    InputTexts& t = m_texts[i];
    CTexte texte;
    const BYTE kind = record[in.kindField];
    const BYTE number = record[in.numberField];
    const BYTE notUsed = in.notUsedWhenZero >= 0 ? (record[in.notUsedWhenZero] == 0 ? 1 : 0) : in.notUsed;
    if (in.kind == forms::InputKind::Analog || !m_modes[i]) {
        texte.GetQuelleTexte(kind, number, notUsed, t.kind, t.number, t.variable);
        return;
    }
    const BYTE fixedState = in.rule == forms::ModeRule::FixedState ? number : 0;
    texte.FillQuelleCtrls(kind, number, notUsed, t.kind, t.number, t.variable, t.mode, record[in.invertedField],
                          *m_modes[i], fixedState);
    if (in.hideUnconnected && kind == 0) {
        t.mode.Empty();
        m_modes[i]->ShowWindow(SW_HIDE);
    }
}

void FunctionVarInForm::ShowParticipants()
{
    FunctionParamForm* param = m_param();
    if (!param || !m_participants)
        return;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const functypes::Participants& p = param->Type().participants;
    const BYTE* record = param->Record();
    const long count = record[p.countField];
    // The places up to the least count always show.
    const long shown = std::max(count, m_participants->firstCount);
    for (size_t k = 0; k < m_places.size(); ++k)
        m_places[k]->ShowWindow(static_cast<long>(k) < shown ? SW_SHOW : SW_HIDE);
    m_count.SetCurSel(static_cast<int>(count - m_participants->firstCount));
    CTexte texte;
    for (size_t k = 0; k < m_places.size(); ++k)
        m_places[k]->SetCurSel(
            texte.FindInListe(param->ParticipantList(), record[p.firstField + k * p.step]));
    UpdateData(FALSE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

bool FunctionVarInForm::OnParticipantPick(UINT comboId)
{
    FunctionParamForm* param = m_param();
    if (!m_participants || !param)
        return false;
    const functypes::Participants& p = param->Type().participants;
    BYTE* record = param->Record();
    if (comboId == m_participants->countComboId) {
        const int index = m_count.GetCurSel();
        if (index >= 0)
            record[p.countField] = static_cast<BYTE>(index + m_participants->firstCount);
        ShowParticipants();
        return true;
    }
    bool place = false;
    for (const UINT id : m_participants->listIds)
        place |= id == comboId;
    if (!place)
        return false;
    // Every place is written again, shown or not: each holds the function its list selects.
    const FunktionsListe& list = param->ParticipantList();
    for (size_t k = 0; k < m_places.size(); ++k) {
        const int index = m_places[k]->GetCurSel();
        if (index >= 0 && index < FunktionsListe::kEntryCount)
            record[p.firstField + k * p.step] = list.entries[index].flag;
    }
    return true;
}

void FunctionVarInForm::OnModus(UINT comboId)
{
    if (OnParticipantPick(comboId))
        return;
    FunctionParamForm* param = m_param();
    if (!param)
        return;
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        const forms::InputRow& in = m_inputs[i];
        if (in.modeComboId != comboId || !m_modes[i])
            continue;
        const int selection = m_modes[i]->GetCurSel();
        if (selection < 0)
            return;
        BYTE* record = param->Record();
        if (record[in.kindField] != 0)
            record[in.invertedField] = selection != 0 ? 1 : 0;
        else if (in.rule == forms::ModeRule::FixedState)
            record[in.numberField] = selection != 0 ? 1 : 0;
        return;
    }
}
