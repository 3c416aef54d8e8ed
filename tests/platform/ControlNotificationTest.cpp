// Which change of a control sends which notification, and which sends none: one table for every control.
//
// Each case runs on a fresh host window; the host records every notification with the control's state at the moment
// it arrived, so the table also shows that a user's change is made before its notification.
#include "WindowTestTemplates.h"

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CTabCtrl.h"
#include "platform/CTreeCtrl.h"
#include "support/TestDriver.h"
#include "platform/UserInput.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

using namespace windowtest;

namespace {

template <class Control>
Control& Item(RecordingHost& host, UINT id)
{
    auto* control = dynamic_cast<Control*>(host.GetDlgItem(static_cast<int>(id)));
    EXPECT_NE(control, nullptr) << "control " << id;
    return *control;
}

HTREEITEM AddTreeItems(RecordingHost& host)
{
    CTreeCtrl& tree = Item<CTreeCtrl>(host, IDC_TREE);
    HTREEITEM one = tree.InsertItem("one");
    tree.InsertItem("two");
    return one;
}

void AddRows(RecordingHost& host)
{
    CListCtrl& rows = Item<CListCtrl>(host, IDC_ROWS);
    rows.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    rows.InsertItem(0, "first");
    rows.InsertItem(1, "second");
}

struct Case {
    const char* name;
    std::function<void(RecordingHost&)> setup;   // by code, before recording starts
    std::function<bool(RecordingHost&, platform::TestDriver&)> action;
    bool acted;                                     // whether a user could do it
    const char* expected;                           // the notifications, in order
};

const auto kNone = [](RecordingHost&) {};
auto Code(std::function<void(RecordingHost&)> change)
{
    return [change](RecordingHost& h, platform::TestDriver&) {
        change(h);
        return true;
    };
}

const Case kCases[] = {
    // Buttons.
    {"push button click", kNone, [](auto& h, auto& d) { return d.Click(h, IDC_PUSH); }, true, "101:BN_CLICKED/0"},
    {"auto check box toggles before BN_CLICKED", kNone, [](auto& h, auto& d) { return d.Click(h, IDC_AUTOCHECK); },
     true, "102:BN_CLICKED/1"},
    {"auto check box toggles back", [](auto& h) { Item<CButton>(h, IDC_AUTOCHECK).SetCheck(BST_CHECKED); },
     [](auto& h, auto& d) { return d.Click(h, IDC_AUTOCHECK); }, true, "102:BN_CLICKED/0"},
    {"SetCheck by code", kNone, Code([](auto& h) { Item<CButton>(h, IDC_AUTOCHECK).SetCheck(BST_CHECKED); }), true,
     ""},
    {"manual check box only notifies", kNone, [](auto& h, auto& d) { return d.Click(h, IDC_MANUALCHECK); }, true,
     "103:BN_CLICKED/0"},
    {"radio button checks before BN_CLICKED", kNone, [](auto& h, auto& d) { return d.Click(h, IDC_RADIO_B); }, true,
     "111:BN_CLICKED/1"},
    {"click on the checked radio button still notifies",
     [](auto& h) { Item<CButton>(h, IDC_RADIO_B).SetCheck(BST_CHECKED); },
     [](auto& h, auto& d) { return d.Click(h, IDC_RADIO_B); }, true, "111:BN_CLICKED/1"},
    {"group box takes no click", kNone, [](auto& h, auto& d) { return d.Click(h, IDC_GROUPBOX); }, false, ""},
    {"disabled button takes no click", [](auto& h) { Item<CButton>(h, IDC_PUSH).EnableWindow(FALSE); },
     [](auto& h, auto& d) { return d.Click(h, IDC_PUSH); }, false, ""},
    {"hidden button takes no click", [](auto& h) { Item<CButton>(h, IDC_PUSH).ShowWindow(SW_HIDE); },
     [](auto& h, auto& d) { return d.Click(h, IDC_PUSH); }, false, ""},
    {"EnableWindow, ShowWindow and SetWindowText of a button by code", kNone, Code([](auto& h) {
         CButton& b = Item<CButton>(h, IDC_PUSH);
         b.EnableWindow(FALSE);
         b.EnableWindow(TRUE);
         b.ShowWindow(SW_HIDE);
         b.ShowWindow(SW_SHOW);
         b.SetWindowText("New");
     }),
     true, ""},

    // Combo boxes.
    {"combo box pick of another item", [](auto& h) { Item<CComboBox>(h, IDC_COMBO).SetCurSel(0); },
     [](auto& h, auto& d) { return d.Select(h, IDC_COMBO, 2); }, true,
     "150:CBN_DROPDOWN/0 150:CBN_SELENDOK/2 150:CBN_CLOSEUP/2 150:CBN_SELCHANGE/2"},
    {"combo box pick of the same item sends CBN_SELENDOK only",
     [](auto& h) { Item<CComboBox>(h, IDC_COMBO).SetCurSel(2); },
     [](auto& h, auto& d) { return d.Select(h, IDC_COMBO, 2); }, true,
     "150:CBN_DROPDOWN/2 150:CBN_SELENDOK/2 150:CBN_CLOSEUP/2"},
    {"combo box pick with nothing selected before", kNone, [](auto& h, auto& d) { return d.Select(h, IDC_COMBO, 0); },
     true, "150:CBN_DROPDOWN/-1 150:CBN_SELENDOK/0 150:CBN_CLOSEUP/0 150:CBN_SELCHANGE/0"},
    {"combo box arrow key in the closed box", [](auto& h) { Item<CComboBox>(h, IDC_COMBO).SetCurSel(0); },
     [](auto& h, auto& d) { return d.Key(h, IDC_COMBO, VK_DOWN); }, true,
     "150:CBN_SELENDOK/1 150:CBN_SELCHANGE/1"},
    {"combo box cancelled drop-down", [](auto& h) { Item<CComboBox>(h, IDC_COMBO).SetCurSel(1); },
     [](auto& h, auto&) { return platform::UserInput::CancelDropDown(Item<CComboBox>(h, IDC_COMBO)); }, true,
     "150:CBN_DROPDOWN/1 150:CBN_SELENDCANCEL/1 150:CBN_CLOSEUP/1"},
    {"combo box pick of an item that is not there", kNone,
     [](auto& h, auto& d) { return d.Select(h, IDC_COMBO, 3); }, false, ""},
    {"combo box changes by code", kNone, Code([](auto& h) {
         CComboBox& c = Item<CComboBox>(h, IDC_COMBO);
         c.SetCurSel(1);
         c.SetCurSel(-1);
         c.AddString("three");
         c.InsertString(0, "minus");
         c.DeleteString(0);
         c.SelectString(-1, "tw");
         c.ResetContent();
     }),
     true, ""},

    // List boxes.
    {"list box click", kNone, [](auto& h, auto& d) { return d.Select(h, IDC_LIST, 1); }, true, "160:LBN_SELCHANGE/1"},
    {"list box click on the selected item", [](auto& h) { Item<CListBox>(h, IDC_LIST).SetCurSel(1); },
     [](auto& h, auto& d) { return d.Select(h, IDC_LIST, 1); }, true, "160:LBN_SELCHANGE/1"},
    {"list box double click", kNone, [](auto& h, auto& d) { return d.DoubleClick(h, IDC_LIST, 2); }, true,
     "160:LBN_SELCHANGE/2 160:LBN_DBLCLK/2"},
    {"list box arrow key", [](auto& h) { Item<CListBox>(h, IDC_LIST).SetCurSel(0); },
     [](auto& h, auto& d) { return d.Key(h, IDC_LIST, VK_DOWN); }, true, "160:LBN_SELCHANGE/1"},
    {"list box without LBS_NOTIFY", kNone, [](auto& h, auto& d) { return d.Select(h, IDC_QUIET_LIST, 1); }, true,
     ""},
    {"list box changes by code", kNone, Code([](auto& h) {
         CListBox& l = Item<CListBox>(h, IDC_LIST);
         l.SetCurSel(2);
         l.InsertString(0, "first");
         l.DeleteString(0);
         l.AddString("delta");
         l.SetCurSel(-1);
     }),
     true, ""},

    // Edit fields.
    {"SetWindowText of a single-line edit notifies inside the call", kNone,
     Code([](auto& h) { Item<CEdit>(h, IDC_EDIT).SetWindowText("abc"); }), true,
     "140:EN_UPDATE/abc 140:EN_CHANGE/abc"},
    {"SetWindowText of a multi-line edit sends nothing", kNone,
     Code([](auto& h) { Item<CEdit>(h, IDC_MULTILINE).SetWindowText("abc"); }), true, ""},
    {"typing into a single-line edit notifies per character", kNone,
     [](auto& h, auto& d) { return d.Type(h, IDC_EDIT, "ab"); }, true,
     "140:EN_UPDATE/a 140:EN_CHANGE/a 140:EN_UPDATE/ab 140:EN_CHANGE/ab"},
    {"Enter in a multi-line edit with want-return", kNone,
     [](auto& h, auto& d) { return d.Type(h, IDC_MULTILINE, "a\n"); }, true,
     "141:EN_UPDATE/a 141:EN_CHANGE/a 141:EN_UPDATE/a\r\n 141:EN_CHANGE/a\r\n"},
    {"typing past the limit is refused", [](auto& h) { Item<CEdit>(h, IDC_EDIT).LimitText(2); },
     [](auto& h, auto& d) { return d.Type(h, IDC_EDIT, "abc"); }, true,
     "140:EN_UPDATE/a 140:EN_CHANGE/a 140:EN_UPDATE/ab 140:EN_CHANGE/ab 140:EN_MAXTEXT/ab"},
    {"number edit refuses typed letters", kNone, [](auto& h, auto& d) { return d.Type(h, IDC_NUMBER, "1x"); }, true,
     "142:EN_UPDATE/1 142:EN_CHANGE/1"},
    {"replacing the whole text", [](auto& h) { Item<CEdit>(h, IDC_MULTILINE).SetWindowText("old"); },
     [](auto& h, auto& d) { return d.Replace(h, IDC_MULTILINE, "n"); }, true, "141:EN_UPDATE/n 141:EN_CHANGE/n"},
    {"LimitText, SetSel and SetReadOnly by code", kNone, Code([](auto& h) {
         CEdit& e = Item<CEdit>(h, IDC_MULTILINE);
         e.LimitText(5);
         e.SetSel(0, -1);
         e.SetReadOnly(TRUE);
     }),
     true, ""},
    {"ReplaceSel by code notifies as typing does", kNone,
     Code([](auto& h) { Item<CEdit>(h, IDC_MULTILINE).ReplaceSel("x"); }), true, "141:EN_UPDATE/x 141:EN_CHANGE/x"},
    {"read-only edit takes no typing", [](auto& h) { Item<CEdit>(h, IDC_EDIT).SetReadOnly(TRUE); },
     [](auto& h, auto& d) { return d.Type(h, IDC_EDIT, "a"); }, false, ""},
    {"UpdateData reaches no handler, single-line edits included", [](auto& h) { h.m_text = "xyz"; },
     Code([](auto& h) { h.UpdateData(FALSE); }), true, ""},

    // Tabs.
    {"tab click", kNone, [](auto& h, auto& d) { return d.Select(h, IDC_TAB, 2); }, true,
     "170:TCN_SELCHANGING/0 170:TCN_SELCHANGE/2"},
    {"click on the selected tab", kNone, [](auto& h, auto& d) { return d.Select(h, IDC_TAB, 0); }, true, ""},
    {"tab changes by code", kNone, Code([](auto& h) {
         CTabCtrl& t = Item<CTabCtrl>(h, IDC_TAB);
         t.SetCurSel(1);
         t.InsertItem(0, "T0");
         t.DeleteItem(3);
     }),
     true, ""},
    {"SetCurFocus by code selects and notifies as the original does", kNone,
     Code([](auto& h) { Item<CTabCtrl>(h, IDC_TAB).SetCurFocus(1); }), true,
     "170:TCN_SELCHANGING/0 170:TCN_SELCHANGE/1"},

    // Trees.
    {"tree click", [](auto& h) { AddTreeItems(h); },
     [](auto& h, auto&) {
         CTreeCtrl& tree = Item<CTreeCtrl>(h, IDC_TREE);
         return platform::UserInput::SelectTreeItem(tree, tree.GetNextSiblingItem(tree.GetRootItem()));
     },
     true, "180:TVN_SELCHANGING/- 180:TVN_SELCHANGED/two"},
    {"tree arrow key", [](auto& h) { Item<CTreeCtrl>(h, IDC_TREE).SelectItem(AddTreeItems(h)); },
     [](auto& h, auto& d) { return d.Key(h, IDC_TREE, VK_DOWN); }, true,
     "180:TVN_KEYDOWN/one 180:TVN_SELCHANGING/one 180:TVN_SELCHANGED/two"},
    {"tree changes by code", kNone, Code([](auto& h) {
         CTreeCtrl& tree = Item<CTreeCtrl>(h, IDC_TREE);
         HTREEITEM one = AddTreeItems(h);
         tree.SelectItem(one);
         tree.Expand(one, TVE_EXPAND);
         tree.DeleteItem(one);
     }),
     true, ""},

    // List views.
    {"list view row click", [](auto& h) { AddRows(h); }, [](auto& h, auto& d) { return d.Select(h, IDC_ROWS, 1); },
     true, "190:LVN_ITEMCHANGED/1 190:NM_CLICK/1"},
    {"list view key", [](auto& h) { AddRows(h); }, [](auto& h, auto& d) { return d.Key(h, IDC_ROWS, VK_DELETE); },
     true, "190:LVN_KEYDOWN/-1"},
    {"list view changes by code", [](auto& h) { AddRows(h); }, Code([](auto& h) {
         CListCtrl& rows = Item<CListCtrl>(h, IDC_ROWS);
         rows.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
         rows.SetItemText(0, 0, "renamed");
         rows.EnsureVisible(1, FALSE);
         rows.DeleteItem(0);
     }),
     true, ""},
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class ControlNotificationTest : public testing::TestWithParam<Case> {};

TEST_P(ControlNotificationTest, SendsExactlyTheseNotifications)
{
    const Case& c = GetParam();
    RecordingHost host;
    platform::TestDriver driver;
    c.setup(host);
    host.trace.clear();
    bool acted = c.action(host, driver);
    EXPECT_EQ(acted, c.acted) << c.name;
    EXPECT_EQ(host.Trace(), c.expected) << c.name;
}

std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    std::string name;
    bool upper = true;
    for (const char* p = info.param.name; *p; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*p))) : *p;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryControl, ControlNotificationTest, testing::ValuesIn(kCases), CaseName);

}  // namespace
