// The input-variable form of every function type: headings, source texts and mode lists from the kind's input rows.
#include "forms/frame/FunctionVarInForm.h"

#include "forms/frame/FormLayout.h"
#include "forms/frame/FunctionParamForm.h"
#include "platform/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "link/StartContext.h"
#include "store/FunctionTypes.h"
#include "texts/CTexte.h"

// Controls have ids below the commands (0x8000 on); BN_CLICKED shares its code with a command.
constexpr UINT kLastControlId = 0x7FFF;

IMPLEMENT_DYNAMIC(FunctionVarInForm, CFormView)

BEGIN_MESSAGE_MAP(FunctionVarInForm, CFormView)
    ON_CONTROL_RANGE(CBN_SELENDOK, 1, kLastControlId, OnModus)
END_MESSAGE_MAP()

namespace {

constexpr int kFirstActivation = 2;

UINT TemplateOf(const forms::FunctionKind& kind)
{
    const functypes::FunctionType* type = functypes::FindFunctionType(kind.code);
    return type ? static_cast<UINT>(type->forms.inputs) : 0;
}

}  // namespace

FunctionVarInForm::FunctionVarInForm(const forms::FunctionKind& kind, std::span<const forms::InputRow> inputs,
                                     ParamFormOf param)
    : CFormView(TemplateOf(kind)), m_inputs(inputs), m_param(param), m_kind(kind), m_texts(inputs.size())
{
    forms::EnsureTemplate(m_templateId, [&] { return forms::VarInTemplate(m_templateId, inputs); });
    for (const forms::InputRow& input : inputs)
        m_modes.push_back(input.modeComboId ? std::make_unique<CComboBox>() : nullptr);
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
        if (in.number)
            m_texts[i].heading.Format(ui::kInputHeadingNumbered, in.name, in.number);
        else
            m_texts[i].heading.Format(ui::kInputHeading, in.name);
        m_texts[i].source = ui::kInputSource;
    }
    if (param)
        m_strBezeichnung = param->DesignationLine();

    if (param && g_bFirstActivation[kFirstActivation]) {
        g_bFirstActivation[kFirstActivation] = false;
        const BYTE* record = param->Record();
        CTexte texte;
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            const forms::InputRow& in = m_inputs[i];
            InputTexts& t = m_texts[i];
            const BYTE kind = record[in.kindField];
            const BYTE number = record[in.numberField];
            const BYTE notUsed =
                in.notUsedWhenZero >= 0 ? (record[in.notUsedWhenZero] == 0 ? 1 : 0) : in.notUsed;
            if (in.kind == forms::InputKind::Analog || !m_modes[i]) {
                texte.GetQuelleTexte(kind, number, notUsed, t.kind, t.number, t.variable);
                continue;
            }
            const BYTE fixedState = in.rule == forms::ModeRule::FixedState ? number : 0;
            texte.FillQuelleCtrls(kind, number, notUsed, t.kind, t.number, t.variable, t.mode,
                                  record[in.invertedField], *m_modes[i], fixedState);
            if (in.hideUnconnected && kind == 0) {
                t.mode.Empty();
                m_modes[i]->ShowWindow(SW_HIDE);
            }
        }
    }
    UpdateData(FALSE);
}

void FunctionVarInForm::OnModus(UINT comboId)
{
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
