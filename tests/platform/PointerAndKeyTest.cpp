// Mouse capture, points in screen and client coordinates, the window under a point, the drag image, and the keys
// held during a user's key press: what a list whose rows are reordered by dragging relies on.
#include "WindowTestTemplates.h"

#include "platform/CImageList.h"
#include "platform/CListCtrl.h"
#include "platform/CTreeCtrl.h"
#include "platform/ResourceRegistry.h"
#include "support/TestDriver.h"
#include "platform/UserInput.h"
#include "platform/Win32Window.h"

#include <gtest/gtest.h>

#include <memory>

using namespace windowtest;

namespace {

// A window that moves a list row to where it is dropped, the way the order lists do.
class DragHost : public CWnd {
public:
    CListCtrl* rows = nullptr;
    std::unique_ptr<CImageList> dragImage;
    int source = -1;
    int target = -1;
    bool dragging = false;
    bool losesCapture = false;  // another window takes the capture at the first move of a drag
    std::string keys;

    explicit DragHost(int count = 4)
    {
        RegisterTestTemplates();
        CreateEx(0, nullptr, "Drag host", WS_POPUP | WS_VISIBLE, CRect(100, 50, 700, 550), nullptr, 0);
        platform::CreateTemplateControls(this, *platform::ResourceRegistry::Instance().Dialog(IDD_ALL_CONTROLS));
        rows = dynamic_cast<CListCtrl*>(GetDlgItem(IDC_ROWS));
        rows->InsertColumn(0, "Funzioni", LVCFMT_LEFT, 200);
        for (const char* text : {"one", "two", "three", "four"})
            rows->InsertItem(rows->GetItemCount(), text, 0);
        while (rows->GetItemCount() < count)
            rows->InsertItem(rows->GetItemCount(), "more", 0);
    }
    ~DragHost() override { DestroyWindow(); }

    void OnBeginDrag(NMHDR* header, LRESULT* result)
    {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
        source = nm->iItem;
        CPoint origin;
        dragImage.reset(rows->CreateDragImage(source, &origin));
        dragImage->BeginDrag(0, CPoint(10, 10));
        CPoint screen = nm->ptAction;
        rows->ClientToScreen(&screen);
        CImageList::DragEnter(GetDesktopWindow(), screen);
        dragging = true;
        SetCapture();
        *result = 0;
    }
    void OnMouseMove(UINT, CPoint point)
    {
        if (!dragging)
            return;
        CPoint screen = point;
        ClientToScreen(&screen);
        CImageList::DragMove(screen);
        if (losesCapture)
            ReleaseCapture();
        CWnd* under = WindowFromPoint(screen);
        if (under && under->m_hWnd == rows->m_hWnd) {
            rows->ScreenToClient(&screen);
            target = rows->HitTest(screen);
        }
    }
    // Any key ends a drag without a move.
    void OnRowsKey(NMHDR*, LRESULT* result)
    {
        if (dragging)
            EndDrag();
        target = -1;
        *result = 0;
    }
    void EndDrag()
    {
        ReleaseCapture();
        dragging = false;
        CImageList::DragLeave(GetDesktopWindow());
        CImageList::EndDrag();
    }
    void OnLButtonUp(UINT, CPoint)
    {
        if (!dragging)
            return;
        EndDrag();
        if (target >= 0 && target != source) {
            CString moved = rows->GetItemText(source, 0);
            rows->DeleteItem(source);
            rows->InsertItem(target, moved, 0);
        }
    }
    void OnTreeKey(NMHDR* header, LRESULT* result)
    {
        auto* nm = reinterpret_cast<NMTVKEYDOWN*>(header);
        keys += std::to_string(nm->wVKey) + (GetKeyState(VK_CONTROL) < 0 ? "+ctrl " : " ");
        *result = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DragHost, CWnd)
    ON_NOTIFY(LVN_BEGINDRAG, IDC_ROWS, OnBeginDrag)
    ON_NOTIFY(LVN_KEYDOWN, IDC_ROWS, OnRowsKey)
    ON_NOTIFY(TVN_KEYDOWN, IDC_TREE, OnTreeKey)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

// What the observers hear of the drag image: its state at each report.
class DragObserver : public platform::WindowObserver {
public:
    DragObserver() { platform::AddWindowObserver(this); }
    ~DragObserver() override { platform::RemoveWindowObserver(this); }
    void WindowChanged(HWND, platform::WindowChange) override {}
    void DragImageChanged() override { states.push_back(CImageList::GetDragState()); }
    std::vector<CImageList::DragState> states;
};

CPoint RowPoint(CListCtrl& rows, int row)
{
    CRect rect;
    rows.GetItemRect(row, &rect, LVIR_BOUNDS);
    return CPoint(rect.left + 5, rect.top + 3);
}

TEST(PointerAndKeyTest, DraggedRowGoesWhereTheCapturedMouseReleasesIt)
{
    DragHost host;
    CListCtrl& rows = *host.rows;
    DragObserver observer;
    ASSERT_TRUE(platform::UserInput::BeginDragRow(rows, 3, RowPoint(rows, 3)));
    EXPECT_EQ(CWnd::GetCapture(), &host);
    ASSERT_NE(CImageList::GetDragState().list, nullptr) << "the drag image is up";
    // The image is a picture of the dragged row of the list.
    const CImageList& image = *CImageList::GetDragState().list;
    UINT bitmap = 1;
    int part = -1;
    ASSERT_TRUE(image.GetImageSource(CImageList::GetDragState().image, bitmap, part));
    EXPECT_EQ(bitmap, 0u);
    EXPECT_EQ(part, 3);
    EXPECT_EQ(image.GetPictureWindow(), rows.m_hWnd);

    // The mouse moves over the list; the capturing window gets the moves in its own coordinates.
    EXPECT_TRUE(platform::UserInput::MouseMove(rows, RowPoint(rows, 1)));
    EXPECT_EQ(host.target, 1);
    CPoint screen = RowPoint(rows, 1);
    rows.ClientToScreen(&screen);
    EXPECT_EQ(CImageList::GetDragState().position, screen);
    EXPECT_TRUE(platform::UserInput::LButtonUp(rows, RowPoint(rows, 1)));

    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(CImageList::GetDragState().list, nullptr);
    // Each step was reported with the state after it: begun, entered and shown, moved, left, ended.
    ASSERT_EQ(observer.states.size(), 5u);
    EXPECT_FALSE(observer.states[0].entered);
    EXPECT_TRUE(observer.states[1].entered && observer.states[1].shown);
    EXPECT_EQ(observer.states[2].position, screen);
    EXPECT_TRUE(observer.states[3].list && !observer.states[3].shown);
    EXPECT_EQ(observer.states[4].list, nullptr);
    platform::TestDriver driver;
    EXPECT_EQ(driver.Items(host, IDC_ROWS), (std::vector<CString> {"one", "four", "two", "three"}));
}

// A whole drag succeeds only when the row it aims at comes under the pointer; one that never gets there is
// cancelled instead of dropping the row on the last row it passed.
TEST(PointerAndKeyTest, DragOfARowSaysWhetherItReachedItsTarget)
{
    const struct {
        const char* name;
        int count, from, to;
        bool losesCapture;
        bool reached;
        std::vector<CString> firstRows;
    } cases[] = {
        {"a shown row", 4, 3, 1, false, true, {"one", "four", "two", "three"}},
        {"beside the list", 4, 3, -1, false, true, {"one", "two", "three", "four"}},
        {"a row out of view, capture lost", 40, 0, 39, true, false, {"one", "two", "three", "four"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragHost host(c.count);
        host.losesCapture = c.losesCapture;
        EXPECT_EQ(platform::UserInput::DragRow(*host.rows, c.from, c.to), c.reached);
        EXPECT_FALSE(host.dragging);
        EXPECT_EQ(CImageList::GetDragState().list, nullptr) << "the drag image is gone";
        std::vector<CString> first;
        for (int row = 0; row < 4; ++row)
            first.push_back(host.rows->GetItemText(row, 0));
        EXPECT_EQ(first, c.firstRows);
    }
}

TEST(PointerAndKeyTest, WindowUnderAPointIsTheDeepestShownOne)
{
    DragHost host;
    CRect rowsRect;
    host.rows->GetWindowRect(&rowsRect);
    EXPECT_EQ(CWnd::WindowFromPoint(rowsRect.CenterPoint()), host.rows);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(105, 55)), &host);
    host.rows->ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::WindowFromPoint(rowsRect.CenterPoint()), &host) << "a hidden window is not under any point";
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(5000, 5000)), nullptr);
}

TEST(PointerAndKeyTest, HeldKeysAreSeenWhileTheKeyIsHandled)
{
    DragHost host;
    auto* tree = dynamic_cast<CTreeCtrl*>(host.GetDlgItem(IDC_TREE));
    tree->InsertItem("group");
    platform::TestDriver driver;
    EXPECT_TRUE(driver.Key(host, IDC_TREE, VK_RIGHT, platform::UserInput::kControl));
    EXPECT_TRUE(driver.Key(host, IDC_TREE, VK_RIGHT));
    EXPECT_EQ(host.keys, "39+ctrl 39 ");
    EXPECT_GE(GetKeyState(VK_CONTROL), 0) << "released after the key press";
}

}  // namespace
