// The table-driven dialog of some fields of a function record: show, picks on a working copy, write-back on OK.
#include "forms/frame/FunctionFieldDialog.h"

#include "forms/frame/FormLayout.h"
#include "platform/CDataExchange.h"
#include "resources/UiTexts.h"

// Controls have ids below the commands (0x8000 on).
constexpr UINT kLastControlId = 0x7FFF;

BEGIN_MESSAGE_MAP(FunctionFieldDialog, CDialog)
ON_CONTROL_RANGE(CBN_SELENDOK, 1, kLastControlId, OnPick)
END_MESSAGE_MAP()

FunctionFieldDialog::FunctionFieldDialog(const Tables& tables, std::span<BYTE> record, CWnd* parent)
    : CDialog(tables.templateId, parent), m_tables(tables), m_record(record), m_work(record.begin(), record.end())
{
    forms::EnsureTemplate(tables.templateId,
                          [&] { return forms::DialogTemplateOf(tables.templateId, tables.layout, tables.values); });
    for (size_t i = 0; i < tables.values.size(); ++i)
        m_combos.push_back(std::make_unique<CComboBox>());
}

FunctionFieldDialog::~FunctionFieldDialog() = default;

void FunctionFieldDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (size_t i = 0; i < m_tables.values.size(); ++i)
        DDX_Control(dx, static_cast<int>(m_tables.values[i].id), *m_combos[i]);
}

BOOL FunctionFieldDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_tables.title);
    SetDlgItemText(IDOK, ui::kButtonOk);
    SetDlgItemText(IDCANCEL, ui::kButtonCancel);
    for (const forms::LayoutGroup& group : m_tables.layout) {
        if (group.boxId)
            SetDlgItemText(static_cast<int>(group.boxId), group.title);
        for (const forms::LayoutRow& row : group.rows)
            if (row.captionId)
                SetDlgItemText(static_cast<int>(row.captionId), row.caption);
    }
    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const forms::ValueControl& value = m_tables.values[i];
        CComboBox& combo = *m_combos[i];
        if (!value.items.words.empty()) {
            combo.ResetContent();
            for (size_t k = 0; k < value.items.words.size(); ++k)
                combo.InsertString(static_cast<int>(k), value.items.words[k]);
        }
        combo.SetCurSel(static_cast<int>(record::ReadField(m_work.data(), value.field) - value.offset));
        ShowUnit(i);
    }
    return TRUE;
}

void FunctionFieldDialog::ShowUnit(size_t i)
{
    const forms::ValueControl& value = m_tables.values[i];
    if (!value.unit)
        return;
    for (const forms::LayoutGroup& group : m_tables.layout)
        for (const forms::LayoutRow& row : group.rows)
            if (row.controlId == value.id && row.unitId)
                SetDlgItemText(static_cast<int>(row.unitId), value.unit(record::ReadField(m_work.data(), value.field)));
}

void FunctionFieldDialog::OnPick(UINT id)
{
    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const forms::ValueControl& value = m_tables.values[i];
        const int index = m_combos[i]->GetCurSel();
        if (value.id != id || index < 0)
            continue;
        record::WriteField(m_work.data(), value.field, index + value.offset);
        ShowUnit(i);
    }
}

void FunctionFieldDialog::OnOK()
{
    // Only the fields this dialog edits; a list without selection stores its list's first value.
    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const forms::ValueControl& value = m_tables.values[i];
        const int index = m_combos[i]->GetCurSel();
        record::WriteField(m_record.data(), value.field, (index < 0 ? 0 : index) + value.offset);
    }
    CDialog::OnOK();
}
