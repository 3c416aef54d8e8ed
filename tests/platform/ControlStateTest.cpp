// Control state as the program relies on it: progress clamping, item lists and selections, tabs, trees, list-view
// geometry and custom draw, edit limits, and controls made from a template with their ids.
#include "WindowTestTemplates.h"

#include "platform/CComboBox.h"
#include "platform/CLocale.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CProgressCtrl.h"
#include "platform/CTabCtrl.h"
#include "platform/CTreeCtrl.h"
#include "platform/ResourceRegistry.h"
#include "support/TestDriver.h"
#include "platform/UserInput.h"

#include <gtest/gtest.h>

using namespace windowtest;

namespace {

template <class Control>
Control& Item(CWnd& host, UINT id)
{
    auto* control = dynamic_cast<Control*>(host.GetDlgItem(static_cast<int>(id)));
    EXPECT_NE(control, nullptr) << "control " << id;
    return *control;
}

TEST(ControlStateTest, ProgressPositionStaysWithinItsRange)
{
    const struct {
        const char* name;
        int lower, upper, before, set, expected;
    } cases[] = {
        {"inside", 1, 100, 10, 50, 50},
        {"below the range", 1, 100, 10, 0, 1},
        {"above the range", 0, 241, 10, 500, 241},
        {"negative", 0, 240, 100, -3, 0},
        {"upper end", 1, 100, 10, 100, 100},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        CProgressCtrl& bar = Item<CProgressCtrl>(host, IDC_PROGRESS);
        bar.SetRange(static_cast<short>(c.lower), static_cast<short>(c.upper));
        bar.SetPos(c.before);
        EXPECT_EQ(bar.SetPos(c.set), c.before) << c.name << ": SetPos returns the previous position";
        EXPECT_EQ(bar.GetPos(), c.expected) << c.name;
    }
    RecordingHost host;
    CProgressCtrl& bar = Item<CProgressCtrl>(host, IDC_PROGRESS);
    bar.SetPos(80);
    bar.SetRange(0, 50);
    EXPECT_EQ(bar.GetPos(), 50) << "a new range clamps the position";
    bar.OffsetPos(-70);
    EXPECT_EQ(bar.GetPos(), 0);
}

TEST(ControlStateTest, ItemListsKeepTheirSelectionWithTheirItem)
{
    RecordingHost host;
    CComboBox& combo = Item<CComboBox>(host, IDC_COMBO);
    CListBox& list = Item<CListBox>(host, IDC_LIST);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    combo.InsertString(0, "minus");
    EXPECT_EQ(combo.GetCurSel(), 2) << "inserting before the selection moves it with its item";
    combo.DeleteString(2);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR) << "deleting the selected item leaves no selection";
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR) << "an index outside the list leaves no selection";
    CString text = "unchanged";
    EXPECT_EQ(combo.GetLBText(-1, text), CB_ERR);
    EXPECT_EQ(text, "");
    EXPECT_EQ(combo.InsertString(9, "far"), CB_ERR);
    combo.SetCurSel(0);
    combo.GetWindowText(text);
    EXPECT_EQ(text, "minus") << "a drop-down list shows its selected item";
    EXPECT_EQ(combo.FindStringExact(-1, "ZERO"), 1) << "finding ignores ASCII case";

    list.SetCurSel(1);
    list.DeleteString(1);
    list.InsertString(1, "BETA");
    EXPECT_EQ(list.GetCurSel(), LB_ERR) << "replacing the selected entry loses the selection";

    platform::TestDriver driver;
    EXPECT_EQ(driver.Items(host, IDC_SORTED_COMBO), (std::vector<CString> {"A", "a", "b", "c"}))
        << "a sorted box orders without regard to case, then byte for byte";
    CComboBox& sorted = Item<CComboBox>(host, IDC_SORTED_COMBO);
    EXPECT_EQ(sorted.AddString("B"), 2);
    EXPECT_EQ(sorted.InsertString(0, "z"), 0) << "inserting at an index never sorts";
}

TEST(ControlStateTest, TabsSelectTheFirstInsertedAndForgetADeletedSelection)
{
    RecordingHost host;
    CTabCtrl& tabs = Item<CTabCtrl>(host, IDC_TAB);
    EXPECT_EQ(tabs.GetCurSel(), 0) << "the template's first tab is selected";
    tabs.DeleteAllItems();
    EXPECT_EQ(tabs.GetCurSel(), -1);
    tabs.InsertItem(0, "Prog.Temp.1");
    tabs.InsertItem(1, "Prog.Temp.2");
    EXPECT_EQ(tabs.GetCurSel(), 0);
    tabs.SetCurSel(1);
    tabs.DeleteItem(1);
    EXPECT_EQ(tabs.GetCurSel(), -1);
    tabs.SetCurFocus(-1);
    EXPECT_EQ(tabs.GetCurSel(), -1) << "a focus outside the tabs changes nothing";
    EXPECT_EQ(tabs.GetItemText(0), "Prog.Temp.1");
}

TEST(ControlStateTest, TreeItemsAndHandles)
{
    RecordingHost host;
    CTreeCtrl& tree = Item<CTreeCtrl>(host, IDC_TREE);
    HTREEITEM inputs = tree.InsertItem("Ingressi", 0, 1);
    HTREEITEM b = tree.InsertItem("b", 2, 3, inputs);
    tree.InsertItem("a", 2, 3, inputs, TVI_SORT);
    tree.InsertItem("c", 2, 3, inputs, TVI_LAST);
    HTREEITEM outputs = tree.InsertItem("Uscite");
    EXPECT_EQ(tree.GetCount(), 5u);
    EXPECT_EQ(tree.GetItemText(tree.GetChildItem(inputs)), "a");
    EXPECT_EQ(tree.GetItemText(tree.GetNextSiblingItem(tree.GetChildItem(inputs))), "b");
    EXPECT_EQ(tree.GetParentItem(b), inputs);
    int asInt = static_cast<int>(reinterpret_cast<std::intptr_t>(b));
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(asInt)), b) << "handles survive an int";
    EXPECT_EQ(tree.GetItemState(inputs, TVIS_EXPANDED), 0u) << "items start collapsed";

    tree.SelectItem(b);
    tree.DeleteItem(inputs);
    EXPECT_EQ(tree.GetCount(), 1u) << "children go with their item";
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(tree.GetRootItem(), outputs);
    EXPECT_EQ(tree.GetItemText(b), "");
}

TEST(ControlStateTest, ListViewGeometryForDraggingAndScrolling)
{
    RecordingHost host;
    CListCtrl& rows = Item<CListCtrl>(host, IDC_ROWS);
    rows.MoveWindow(0, 0, 300, CListCtrl::kHeaderHeight + 4 * CListCtrl::kRowHeight + 5);
    rows.InsertColumn(0, "Funzioni", LVCFMT_LEFT, 250);
    rows.InsertColumn(1, "Nr", LVCFMT_RIGHT, 30);
    for (int r = 0; r < 10; ++r) {
        rows.InsertItem(r, CString(static_cast<char>('a' + r), r + 1), 0);
        rows.SetItemText(r, 1, platform::FormatC("%d", r + 1).c_str());
    }
    int order[] = {1, 0};
    EXPECT_TRUE(rows.SetColumnOrderArray(2, order));
    int bad[] = {1, 1};
    EXPECT_FALSE(rows.SetColumnOrderArray(2, bad));
    EXPECT_EQ(rows.GetCountPerPage(), 4);
    EXPECT_EQ(rows.GetTopIndex(), 0);
    rows.EnsureVisible(7, FALSE);
    EXPECT_EQ(rows.GetTopIndex(), 4) << "the row becomes the last fully visible one";
    CPoint onThirdRow(10, CListCtrl::kHeaderHeight + 2 * CListCtrl::kRowHeight + 3);
    EXPECT_EQ(rows.HitTest(onThirdRow), 6);
    EXPECT_EQ(rows.HitTest(CPoint(10, 5)), -1) << "over the header there is no row";
    CRect rect;
    rows.GetItemRect(4, &rect, LVIR_BOUNDS);
    rows.Scroll(CSize(0, -rect.Height()));
    EXPECT_EQ(rows.GetTopIndex(), 3);
    rows.Scroll(CSize(0, 50 * CListCtrl::kRowHeight));
    EXPECT_EQ(rows.GetTopIndex(), 6) << "scrolling stops at the last page";

    rows.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    rows.SetItemState(5, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(rows.GetSelectedCount(), 1u) << "a single-selection list keeps one selected row";
    EXPECT_EQ(rows.GetNextItem(-1, LVNI_SELECTED), 5);
    EXPECT_EQ(rows.GetItemState(2, LVIS_FOCUSED), LVIS_FOCUSED);
    rows.SetItemState(3, LVIS_DROPHILITED, LVIS_DROPHILITED);
    EXPECT_EQ(rows.GetItemState(3, LVIS_DROPHILITED | LVIS_SELECTED), LVIS_DROPHILITED);

    rows.SetColumnWidth(0, LVSCW_AUTOSIZE);
    EXPECT_LT(rows.GetColumnWidth(0), 250) << "fits the widest cell";
    rows.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(rows.GetColumnWidth(0) + rows.GetColumnWidth(1), 300) << "the last column takes the rest";
}

// A list that colours its rows in two bands, through the reflected custom-draw notification.
class BandedList : public CListCtrl {
public:
    int threshold = 2;
    void OnCustomDraw(NMHDR* header, LRESULT* result)
    {
        auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
        if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
            *result = CDRF_NOTIFYITEMDRAW;
        } else if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            cd->clrText = RGB(0, 0, 0);
            *result = CDRF_NOTIFYSUBITEMDRAW;
        } else {
            bool second = static_cast<int>(cd->nmcd.dwItemSpec) >= threshold;
            cd->clrText = second ? RGB(0, 0, 255) : RGB(0, 0, 0);
            cd->clrTextBk = second ? RGB(240, 247, 249) : RGB(225, 249, 200);
            *result = CDRF_DODEFAULT;
        }
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BandedList, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

TEST(ControlStateTest, CustomDrawReachesTheListClassThatBoundTheControl)
{
    RecordingHost host;
    BandedList list;
    ASSERT_TRUE(list.SubclassDlgItem(IDC_ROWS, &host));
    list.InsertColumn(0, "Parametro");
    for (int r = 0; r < 4; ++r)
        list.InsertItem(r, "row");
    COLORREF text = 0;
    COLORREF back = 0;
    list.QueryCellColors(1, 0, text, back);
    EXPECT_EQ(text, RGB(0, 0, 0));
    EXPECT_EQ(back, RGB(225, 249, 200));
    list.QueryCellColors(3, 0, text, back);
    EXPECT_EQ(text, RGB(0, 0, 255));
    EXPECT_EQ(back, RGB(240, 247, 249));
    list.Detach();
    Item<CListCtrl>(host, IDC_ROWS).QueryCellColors(3, 0, text, back);
    EXPECT_EQ(back, CListCtrl::kDefaultBack) << "without the class the defaults apply";
}

TEST(ControlStateTest, EditSelectionPasteAndDelete)
{
    RecordingHost host;
    platform::TestDriver driver;
    CEdit& edit = Item<CEdit>(host, IDC_EDIT);
    edit.SetWindowText("Hello");
    edit.SetSel(0, -1);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    edit.LimitText(8);
    EXPECT_TRUE(platform::UserInput::Paste(edit, "first line\r\nsecond"));
    EXPECT_EQ(driver.Text(host, IDC_EDIT), "first li") << "a single-line edit takes the first line, up to its limit";

    CEdit& multi = Item<CEdit>(host, IDC_MULTILINE);
    driver.Type(host, IDC_MULTILINE, "a\nb");
    EXPECT_EQ(driver.Text(host, IDC_MULTILINE), "a\r\nb");
    driver.Key(host, IDC_MULTILINE, VK_BACK);
    driver.Key(host, IDC_MULTILINE, VK_BACK);
    EXPECT_EQ(driver.Text(host, IDC_MULTILINE), "a") << "a line break is deleted as one";
    EXPECT_EQ(multi.GetLineCount(), 1);
}

TEST(ControlStateTest, TemplateCreatesEveryControlWithItsIdStyleAndPlace)
{
    RegisterTestTemplates();
    const platform::DialogTemplate* t = platform::ResourceRegistry::Instance().Dialog(IDD_ALL_CONTROLS);
    ASSERT_NE(t, nullptr);
    RecordingHost host;
    platform::WindowData* data = platform::FindWindowData(host.m_hWnd);
    ASSERT_EQ(data->children.size(), t->controls.size());
    for (size_t i = 0; i < t->controls.size(); ++i) {
        const platform::ControlTemplate& c = t->controls[i];
        platform::WindowData* child = platform::FindWindowData(data->children[i]);
        EXPECT_EQ(child->id, c.id) << "in template order";
        EXPECT_EQ(child->style & 0xFFFF, c.style & 0xFFFF) << c.id;
        EXPECT_TRUE(child->style & WS_CHILD) << c.id;
        EXPECT_TRUE(child->style & WS_VISIBLE) << c.id;
        EXPECT_EQ(child->rect, platform::DialogUnitsToPixels(c.rect)) << c.id;
        EXPECT_EQ(host.GetDlgItem(static_cast<int>(c.id))->m_hWnd, data->children[i]) << c.id;
    }
    EXPECT_EQ(platform::DialogUnitsToPixels({40, 21, 115, 132}), CRect(60, 34, 232, 248));
    platform::TestDriver driver;
    EXPECT_EQ(driver.Items(host, IDC_COMBO), (std::vector<CString> {"zero", "one", "two"}));
    EXPECT_EQ(driver.Text(host, IDC_AUTOCHECK), "Auto");
    EXPECT_TRUE(host.trace.empty()) << "creating the controls notifies nothing";
}

}  // namespace
