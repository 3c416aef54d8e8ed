// The output-variable form of every function type: group boxes of disabled check boxes from the kind's rows.
#include "forms/frame/FunctionVarOutForm.h"

#include "forms/frame/FormLayout.h"
#include "forms/frame/FunctionParamForm.h"
#include "platform/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "link/StartContext.h"
#include "store/FunctionTypes.h"

IMPLEMENT_DYNAMIC(FunctionVarOutForm, CFormView)

namespace {

constexpr int kFirstActivation = 3;

UINT TemplateOf(const forms::FunctionKind& kind)
{
    const functypes::FunctionType* type = functypes::FindFunctionType(kind.code);
    return type ? static_cast<UINT>(type->forms.outputs) : 0;
}

bool Checked(const forms::OutputBox& box, const BYTE* record)
{
    const long value = forms::ReadField(record, box.field);
    return box.equals < 0 ? value != 0 : value == box.equals;
}

}  // namespace

FunctionVarOutForm::FunctionVarOutForm(const forms::FunctionKind& kind, std::span<const forms::OutputGroup> groups,
                                       FunctionVarInForm::ParamFormOf param)
    : CFormView(TemplateOf(kind)), m_groups(groups), m_param(param), m_kind(kind)
{
    forms::EnsureTemplate(m_templateId, [&] { return forms::VarOutTemplate(m_templateId, groups); });
}

void FunctionVarOutForm::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Text(dx, IDC_BEZ_NAME, m_strBezeichnung);
}

void FunctionVarOutForm::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        UpdateForm();
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void FunctionVarOutForm::UpdateForm()
{
    FunctionParamForm* param = m_param();
    m_strTitle.Format(ui::kFormTitle, m_kind.title, ui::kFormOutputs);
    for (const forms::OutputGroup& group : m_groups) {
        CString title;
        title.Format(ui::kOutputGroupTitle, group.name, group.kind ? group.kind : ui::kOutputKind);
        if (CWnd* box = GetDlgItem(static_cast<int>(group.boxId)))
            box->SetWindowText(title);
        for (const forms::OutputBox& box : group.boxes)
            if (CWnd* button = GetDlgItem(static_cast<int>(box.id)))
                button->SetWindowText(forms::OutputBoxLabel(box));
    }
    if (param)
        m_strBezeichnung = param->DesignationLine();

    if (param && g_bFirstActivation[kFirstActivation]) {
        g_bFirstActivation[kFirstActivation] = false;
        const BYTE* record = param->Record();
        for (const forms::OutputGroup& group : m_groups) {
            bool any = false;
            for (const forms::OutputBox& box : group.boxes)
                any |= !box.fallback && Checked(box, record);
            for (const forms::OutputBox& box : group.boxes)
                CheckDlgButton(static_cast<int>(box.id),
                               (box.fallback ? !any : Checked(box, record)) ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    UpdateData(FALSE);
}
