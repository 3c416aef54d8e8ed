// The output-variable form of every function type: group boxes of check boxes from the kind's rows, read-only but
// for a form with pages.
#include "forms/frame/FunctionVarOutForm.h"

#include "forms/frame/FormLayout.h"
#include "forms/frame/FunctionParamForm.h"
#include "platform/CDataExchange.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"

// Controls have ids below the commands (0x8000 on); BN_CLICKED shares its code with a command.
constexpr UINT kLastControlId = 0x7FFF;

IMPLEMENT_DYNAMIC(FunctionVarOutForm, CFormView)

BEGIN_MESSAGE_MAP(FunctionVarOutForm, CFormView)
    ON_NOTIFY_RANGE(TCN_SELCHANGE, 1, kLastControlId, OnPageChange)
    ON_CONTROL_RANGE(BN_CLICKED, 1, kLastControlId, OnBoxClick)
END_MESSAGE_MAP()

namespace {

bool Checked(const forms::OutputBox& box, const BYTE* record, unsigned shift)
{
    record::FieldRef field = box.field;
    field.offset += shift;
    const long value = record::ReadField(record, field);
    return box.equals < 0 ? value != 0 : value == box.equals;
}

}  // namespace

FunctionVarOutForm::FunctionVarOutForm(const forms::FunctionKind& kind, std::span<const forms::OutputGroup> groups,
                                       FunctionVarInForm::ParamFormOf param, const forms::OutputPages* pages)
    : CFormView(static_cast<UINT>(forms::AccessOf(kind).outputs)),
      m_groups(groups),
      m_param(param),
      m_kind(kind),
      m_pages(pages)
{
    forms::EnsureTemplate(m_templateId, [&] { return forms::VarOutTemplate(m_templateId, groups, pages); });
}

void FunctionVarOutForm::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Text(dx, IDC_BEZ_NAME, m_strBezeichnung);
    if (m_pages)
        DDX_Control(dx, static_cast<int>(m_pages->tabId), m_tabs);
}

void FunctionVarOutForm::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        UpdateForm();
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

unsigned FunctionVarOutForm::PageShift() const
{
    if (!m_pages)
        return 0;
    const int page = m_tabs.GetCurSel();
    return page >= 0 && static_cast<size_t>(page) < m_pages->pages.size() ? m_pages->pages[page].shift : 0;
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

    if (param) {
        FillOnFirstActivation([&] {
            if (m_pages) {
                m_tabs.DeleteAllItems();
                for (size_t p = 0; p < m_pages->pages.size(); ++p) {
                    CString tab;
                    tab.Format(ui::kOutputPageTab, m_pages->pages[p].name);
                    m_tabs.InsertItem(static_cast<int>(p), tab);
                }
                m_tabs.SetCurSel(0);
            }
            UpdatePage(0);
        });
    }
    UpdateData(FALSE);
}

void FunctionVarOutForm::UpdatePage(int direction)
{
    FunctionParamForm* param = m_param();
    if (!param)
        return;
    BYTE* record = param->Record();
    const unsigned shift = PageShift();
    for (const forms::OutputGroup& group : m_groups) {
        if (direction == 1) {
            for (const forms::OutputBox& box : group.boxes) {
                record::FieldRef field = box.field;
                field.offset += shift;
                const bool ticked = IsDlgButtonChecked(static_cast<int>(box.id)) == BST_CHECKED;
                record::WriteField(record, field, ticked ? (box.equals < 0 ? 1 : box.equals) : 0);
            }
            continue;
        }
        bool any = false;
        for (const forms::OutputBox& box : group.boxes)
            any |= !box.fallback && Checked(box, record, shift);
        for (const forms::OutputBox& box : group.boxes)
            CheckDlgButton(static_cast<int>(box.id),
                           (box.fallback ? !any : Checked(box, record, shift)) ? BST_CHECKED : BST_UNCHECKED);
    }
}

void FunctionVarOutForm::OnPageChange(UINT id, NMHDR* /*header*/, LRESULT* result)
{
    if (m_pages && id == m_pages->tabId)
        UpdatePage(0);
    *result = 0;
}

void FunctionVarOutForm::OnBoxClick(UINT id)
{
    // Only the boxes of a form with pages are enabled; a read-only form gets no click.
    if (!m_pages)
        return;
    for (const forms::OutputGroup& group : m_groups)
        for (const forms::OutputBox& box : group.boxes)
            if (box.id == id) {
                UpdatePage(1);
                return;
            }
}
