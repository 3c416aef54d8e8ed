// Test templates and the recording host of the window-model tests.
#include "WindowTestTemplates.h"

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CTabCtrl.h"
#include "platform/CTreeCtrl.h"
#include "platform/ResourceRegistry.h"

#include <memory>

namespace windowtest {

using platform::ControlClass;

void RegisterTestTemplates()
{
    platform::DialogTemplate all;
    all.id = IDD_ALL_CONTROLS;
    all.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    all.rect = {0, 0, 300, 260};
    all.caption = "All controls";
    all.controls = {
        {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {10, 230, 50, 14}, "OK"},
        {ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {70, 230, 50, 14}, "Cancel"},
        {ControlClass::Button, IDC_PUSH, BS_PUSHBUTTON | WS_TABSTOP, {10, 10, 50, 14}, "Push"},
        {ControlClass::Button, IDC_AUTOCHECK, BS_AUTOCHECKBOX | WS_TABSTOP, {10, 30, 60, 10}, "Auto"},
        {ControlClass::Button, IDC_MANUALCHECK, BS_CHECKBOX | WS_TABSTOP, {10, 45, 60, 10}, "Manual"},
        {ControlClass::Button, IDC_RADIO_A, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, {10, 60, 40, 10}, "A"},
        {ControlClass::Button, IDC_RADIO_B, BS_AUTORADIOBUTTON, {10, 72, 40, 10}, "B"},
        {ControlClass::Button, IDC_RADIO_C, BS_AUTORADIOBUTTON, {10, 84, 40, 10}, "C"},
        {ControlClass::Button, IDC_RADIO_OTHER, BS_AUTORADIOBUTTON | WS_GROUP, {10, 96, 40, 10}, "Other"},
        {ControlClass::Button, IDC_GROUPBOX, BS_GROUPBOX | WS_GROUP, {5, 55, 60, 55}, "Group"},
        {ControlClass::Static, IDC_LABEL, SS_LEFT, {80, 10, 80, 8}, "Label"},
        {ControlClass::Edit, IDC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {80, 25, 80, 12}, ""},
        {ControlClass::Edit, IDC_MULTILINE, ES_MULTILINE | ES_WANTRETURN | WS_BORDER, {80, 40, 80, 24}, ""},
        {ControlClass::Edit, IDC_NUMBER, ES_NUMBER | WS_BORDER, {80, 68, 80, 12}, ""},
        {ControlClass::ComboBox, IDC_COMBO, CBS_DROPDOWNLIST | WS_TABSTOP, {80, 85, 80, 60}, "",
         {"zero", "one", "two"}},
        {ControlClass::ComboBox, IDC_SORTED_COMBO, CBS_DROPDOWNLIST | CBS_SORT, {80, 100, 80, 60}, "",
         {"b", "A", "c", "a"}},
        {ControlClass::ListBox, IDC_LIST, LBS_NOTIFY | WS_BORDER, {170, 10, 60, 40}, "", {"alpha", "beta", "gamma"}},
        {ControlClass::ListBox, IDC_QUIET_LIST, WS_BORDER, {170, 55, 60, 30}, "", {"one", "two"}},
        {ControlClass::Tab, IDC_TAB, 0, {170, 90, 100, 20}, "", {"T1", "T2", "T3"}},
        {ControlClass::TreeView, IDC_TREE, TVS_HASBUTTONS | TVS_LINESATROOT, {170, 115, 100, 50}, ""},
        {ControlClass::ListView, IDC_ROWS, LVS_REPORT | LVS_SINGLESEL, {10, 120, 150, 80}, ""},
        {ControlClass::Progress, IDC_PROGRESS, WS_BORDER, {10, 205, 150, 10}, ""},
    };
    platform::ResourceRegistry::Instance().AddDialog(all);

    platform::DialogTemplate small;
    small.id = IDD_SMALL;
    small.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION;
    small.rect = {0, 0, 120, 60};
    small.caption = "Small";
    small.controls = {
        {ControlClass::Edit, IDC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, {10, 10, 100, 12}, ""},
        {ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {10, 40, 40, 14}, "OK"},
        {ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {60, 40, 40, 14}, "Cancel"},
    };
    platform::ResourceRegistry::Instance().AddDialog(small);

    platform::DialogTemplate form;
    form.id = IDD_FORM;
    form.style = WS_CHILD;
    form.rect = {0, 0, 420, 335};
    form.controls = {
        {ControlClass::Static, IDC_LABEL, SS_CENTER, {10, 10, 200, 8}, "Platzhalter"},
        {ControlClass::ComboBox, IDC_COMBO, CBS_DROPDOWNLIST | WS_TABSTOP, {10, 30, 80, 60}, "", {"", "1", "2"}},
        {ControlClass::Button, IDC_PUSH, BS_PUSHBUTTON | WS_TABSTOP, {100, 30, 30, 14}, "..."},
    };
    platform::ResourceRegistry::Instance().AddDialog(form);
}

BEGIN_MESSAGE_MAP(RecordingHost, CWnd)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PUSH, IDC_GROUPBOX, OnButton)
    ON_CONTROL_RANGE(CBN_SELENDOK, IDC_COMBO, IDC_SORTED_COMBO, OnSelEndOk)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_COMBO, IDC_SORTED_COMBO, OnSelChange)
    ON_CONTROL_RANGE(CBN_SELENDCANCEL, IDC_COMBO, IDC_SORTED_COMBO, OnSelEndCancel)
    ON_CONTROL_RANGE(CBN_DROPDOWN, IDC_COMBO, IDC_SORTED_COMBO, OnDropDown)
    ON_CONTROL_RANGE(CBN_CLOSEUP, IDC_COMBO, IDC_SORTED_COMBO, OnCloseUp)
    ON_CONTROL_RANGE(EN_UPDATE, IDC_EDIT, IDC_NUMBER, OnEditUpdate)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_EDIT, IDC_NUMBER, OnEditChange)
    ON_CONTROL_RANGE(EN_MAXTEXT, IDC_EDIT, IDC_NUMBER, OnEditMaxText)
    ON_CONTROL_RANGE(LBN_SELCHANGE, IDC_LIST, IDC_QUIET_LIST, OnListSelChange)
    ON_CONTROL_RANGE(LBN_DBLCLK, IDC_LIST, IDC_QUIET_LIST, OnListDblClk)
    ON_NOTIFY_RANGE(TCN_SELCHANGING, IDC_TAB, IDC_TAB, OnNotifyEvent)
    ON_NOTIFY_RANGE(TCN_SELCHANGE, IDC_TAB, IDC_TAB, OnNotifyEvent)
    ON_NOTIFY_RANGE(TVN_SELCHANGING, IDC_TREE, IDC_TREE, OnNotifyEvent)
    ON_NOTIFY_RANGE(TVN_SELCHANGED, IDC_TREE, IDC_TREE, OnNotifyEvent)
    ON_NOTIFY_RANGE(TVN_KEYDOWN, IDC_TREE, IDC_TREE, OnNotifyEvent)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_ROWS, IDC_ROWS, OnNotifyEvent)
    ON_NOTIFY_RANGE(NM_CLICK, IDC_ROWS, IDC_ROWS, OnNotifyEvent)
    ON_NOTIFY_RANGE(LVN_KEYDOWN, IDC_ROWS, IDC_ROWS, OnNotifyEvent)
    ON_NOTIFY_RANGE(LVN_BEGINDRAG, IDC_ROWS, IDC_ROWS, OnNotifyEvent)
END_MESSAGE_MAP()

RecordingHost::RecordingHost()
{
    RegisterTestTemplates();
    CreateEx(0, nullptr, "Host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 600, 500), nullptr, 0);
    platform::CreateTemplateControls(this, *platform::ResourceRegistry::Instance().Dialog(IDD_ALL_CONTROLS));
}

RecordingHost::~RecordingHost()
{
    DestroyWindow();
}

std::string RecordingHost::Trace() const
{
    std::string all;
    for (const std::string& t : trace)
        all += (all.empty() ? "" : " ") + t;
    return all;
}

void RecordingHost::Record(UINT id, const char* code)
{
    std::string state;
    CWnd* control = GetDlgItem(static_cast<int>(id));
    if (auto* button = dynamic_cast<CButton*>(control))
        state = std::to_string(button->GetCheck());
    else if (auto* combo = dynamic_cast<CComboBox*>(control))
        state = std::to_string(combo->GetCurSel());
    else if (auto* list = dynamic_cast<CListBox*>(control))
        state = std::to_string(list->GetCurSel());
    else if (auto* tab = dynamic_cast<CTabCtrl*>(control))
        state = std::to_string(tab->GetCurSel());
    else if (auto* tree = dynamic_cast<CTreeCtrl*>(control))
        state = tree->GetSelectedItem() ? tree->GetItemText(tree->GetSelectedItem()).str() : "-";
    else if (auto* rows = dynamic_cast<CListCtrl*>(control))
        state = std::to_string(rows->GetNextItem(-1, LVNI_SELECTED));
    else if (control) {
        CString text;
        control->GetWindowText(text);
        state = text.str();
    }
    trace.push_back(std::to_string(id) + ":" + code + "/" + state);
}

void RecordingHost::OnButton(UINT id) { Record(id, "BN_CLICKED"); }
void RecordingHost::OnSelEndOk(UINT id) { Record(id, "CBN_SELENDOK"); }
void RecordingHost::OnSelChange(UINT id) { Record(id, "CBN_SELCHANGE"); }
void RecordingHost::OnSelEndCancel(UINT id) { Record(id, "CBN_SELENDCANCEL"); }
void RecordingHost::OnDropDown(UINT id) { Record(id, "CBN_DROPDOWN"); }
void RecordingHost::OnCloseUp(UINT id) { Record(id, "CBN_CLOSEUP"); }
void RecordingHost::OnEditUpdate(UINT id) { Record(id, "EN_UPDATE"); }
void RecordingHost::OnEditChange(UINT id) { Record(id, "EN_CHANGE"); }
void RecordingHost::OnEditMaxText(UINT id) { Record(id, "EN_MAXTEXT"); }
void RecordingHost::OnListSelChange(UINT id) { Record(id, "LBN_SELCHANGE"); }
void RecordingHost::OnListDblClk(UINT id) { Record(id, "LBN_DBLCLK"); }

void RecordingHost::OnNotifyEvent(UINT id, NMHDR* header, LRESULT* result)
{
    static const struct {
        UINT code;
        const char* name;
    } names[] = {{TCN_SELCHANGING, "TCN_SELCHANGING"}, {TCN_SELCHANGE, "TCN_SELCHANGE"},
                 {TVN_SELCHANGING, "TVN_SELCHANGING"}, {TVN_SELCHANGED, "TVN_SELCHANGED"},
                 {TVN_KEYDOWN, "TVN_KEYDOWN"},         {LVN_ITEMCHANGED, "LVN_ITEMCHANGED"},
                 {NM_CLICK, "NM_CLICK"},               {LVN_KEYDOWN, "LVN_KEYDOWN"},
                 {LVN_BEGINDRAG, "LVN_BEGINDRAG"}};
    const char* name = "?";
    for (const auto& n : names)
        if (n.code == header->code)
            name = n.name;
    Record(id, name);
    *result = 0;
}

void RecordingHost::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_EDIT, m_text);
    DDX_Check(dx, IDC_AUTOCHECK, m_check);
    DDX_Radio(dx, IDC_RADIO_A, m_radio);
    DDX_CBIndex(dx, IDC_COMBO, m_comboIndex);
}

}  // namespace windowtest
