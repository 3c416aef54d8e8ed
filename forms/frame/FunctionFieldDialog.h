// FunctionFieldDialog: a modal dialog that edits some fields of a function form's record from tables, as the
// parameter form edits others: groups of rows (caption, list, unit), and the value controls that name the field
// each list edits. The dialog shows the record's values, lets the person pick, and on OK writes the fields of its
// value controls (and no other) into the record; Cancel writes nothing. A unit rule follows every pick.
//
// Its template is generated from the rows (FormLayout), with OK and Cancel below; a kind gives the template id and
// the title.
#pragma once

#include "forms/frame/FunctionFormTables.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"

#include <memory>
#include <span>
#include <vector>

class FunctionFieldDialog : public CDialog {
public:
    struct Tables {
        UINT templateId;
        const char* title;
        std::span<const forms::LayoutGroup> layout;
        std::span<const forms::ValueControl> values;
    };

    FunctionFieldDialog(const Tables& tables, std::span<BYTE> record, CWnd* parent = nullptr);
    ~FunctionFieldDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnPick(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void ShowUnit(size_t value);

    Tables m_tables;
    std::span<BYTE> m_record;
    std::vector<BYTE> m_work;  // the values as picked, written back on OK
    std::vector<std::unique_ptr<CComboBox>> m_combos;
};
