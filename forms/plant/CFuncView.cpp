// The function overview form.
#include "forms/plant/CFuncView.h"

#include "forms/dialogs/SaveRefusal.h"
#include "forms/plant/OverviewList.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "platform/ProcessExit.h"
#include "platform/Win32Window.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "texts/CTexte.h"
#include "texttables/StandardDesignations.h"

CFuncView* g_pFuncView = nullptr;

IMPLEMENT_DYNCREATE(CFuncView, CFormView)

BEGIN_MESSAGE_MAP(CFuncView, CFormView)
    ON_BN_CLICKED(IDC_LIST_ADD, OnAdd)
    ON_BN_CLICKED(IDC_LIST_REMOVE, OnRemove)
    ON_NOTIFY(TVN_KEYDOWN, IDC_FUNCVIEW_AVAILABLE, OnKeyDownAvailable)
    ON_NOTIFY(TVN_KEYDOWN, IDC_FUNCVIEW_LIST, OnKeyDownList)
END_MESSAGE_MAP()

namespace {

constexpr int kWorkFile = CParaDaten::kWorkFile;
using E = FuncViewEntry;
using plant::IsLevelValue;

// The level radios in order, with the entry kind each gives, and the key that gives it in the overview.
struct Level {
    BYTE kind;
    UINT key;
    UINT bitmap;
    UINT selectedBitmap;
};
constexpr Level kLevels[] = {
    {E::kUserA, 'A', IDB_TILE_A, IDB_TILE_A_SELECTED},
    {E::kUserB, 'B', IDB_TILE_B, IDB_TILE_B_SELECTED},
    {E::kUserC, 'C', IDB_TILE_C, IDB_TILE_C_SELECTED},
    {E::kTechniker, 'T', IDB_TILE_T, IDB_TILE_T_SELECTED},
    {E::kExperte, 'E', IDB_TILE_E, IDB_TILE_E_SELECTED},
};
// Image pairs of the overview: the header's, one per level, then the end item's.
constexpr int kHeaderImage = 0;
constexpr int kFirstLevelImage = 2;
constexpr int kEndImage = 2 + 2 * 5;

void AddPair(CImageList& images, UINT bitmap, UINT selected)
{
    images.AddImage(bitmap, 0);
    images.AddImage(selected, 0);
}

}  // namespace

CFuncView::CFuncView() : CFormView(IDD_FUNC_VIEW) {}

CFuncView::~CFuncView() = default;

void CFuncView::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_FUNCVIEW_AVAILABLE, m_Available);
    DDX_Control(dx, IDC_FUNCVIEW_LIST, m_List);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Radio(dx, IDC_FUNCVIEW_LEVEL_A, m_nLevel);
}

void CFuncView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CFuncView::OverviewImages(const FuncViewEntry& entry, int& image, int& selected)
{
    image = entry.kind == E::kGruppe ? kHeaderImage : kEndImage;
    for (size_t i = 0; i < std::size(kLevels); ++i)
        if (entry.kind == kLevels[i].kind)
            image = kFirstLevelImage + 2 * static_cast<int>(i);
    selected = image + 1;
}

void CFuncView::LoadForm()
{
    m_strTitle = ui::kFuncViewTitle;
    SetDlgItemText(IDC_FUNCVIEW_AVAILABLE_GROUP, ui::kFuncViewAvailable);
    SetDlgItemText(IDC_FUNCVIEW_LIST_GROUP, ui::kFuncViewList);
    SetDlgItemText(IDC_FUNCVIEW_LEVEL_GROUP, ui::kFuncViewLevelGroup);
    const UINT radios[] = {IDC_FUNCVIEW_LEVEL_A, IDC_FUNCVIEW_LEVEL_B, IDC_FUNCVIEW_LEVEL_C};
    const char* letters[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        CString caption;
        caption.Format(ui::kFuncViewUserLevel, letters[i]);
        SetDlgItemText(radios[i], caption);
    }
    SetDlgItemText(IDC_FUNCVIEW_LEVEL_T, ui::kFuncViewTechnician);
    SetDlgItemText(IDC_FUNCVIEW_LEVEL_E, ui::kFuncViewExpert);
    m_catalogue.clear();
    m_overview.clear();
    m_hEnd = nullptr;

    m_AvailableImages.DeleteImageList();
    m_AvailableImages.Create(16, 16, ILC_COLOR4, 0, 4);
    AddPair(m_AvailableImages, IDB_TILE_F, IDB_TILE_F_SELECTED);
    AddPair(m_AvailableImages, IDB_DOT, IDB_DOT_SELECTED);
    m_Available.SetImageList(&m_AvailableImages, TVSIL_NORMAL);
    m_Available.DeleteAllItems();
    m_ListImages.DeleteImageList();
    m_ListImages.Create(16, 16, ILC_COLOR4, 0, 14);
    AddPair(m_ListImages, IDB_TILE_F, IDB_TILE_F_SELECTED);
    for (const Level& level : kLevels)
        AddPair(m_ListImages, level.bitmap, level.selectedBitmap);
    AddPair(m_ListImages, IDB_TILE_BAR, IDB_TILE_BAR_SELECTED);
    m_List.SetImageList(&m_ListImages, TVSIL_NORMAL);
    m_List.DeleteAllItems();

    // The catalogue: general values, inputs, outputs, then each function up to the first empty slot.
    auto addGroup = [&](BYTE group, int count) {
        InsertEntry(m_catalogue, m_catalogue.size(), {E::kGruppe, group, 0}, false);
        for (int p = 1; p <= count; ++p)
            InsertEntry(m_catalogue, m_catalogue.size(), {E::kExperte, group, static_cast<BYTE>(p)}, false);
    };
    addGroup(E::kGruppeUser, 2);
    addGroup(E::kGruppeEingaenge, 16);
    addGroup(E::kGruppeAusgaenge, 16);
    CParaDaten para;
    for (BYTE slot = 1; slot <= 44; ++slot) {
        FuncEntry entry;
        const texts::FunctionTypeInfo* type =
            para.GetFuncEntry(kWorkFile, slot, entry) ? texts::FindFunctionType(entry.type) : nullptr;
        if (!type)
            break;
        addGroup(static_cast<BYTE>(entry.number + E::kGruppeFunc0), type->overviewCount);
    }
    CTexte texte;
    HTREEITEM header = TVI_ROOT;
    m_catalogueItems.clear();
    for (const FuncViewEntry& entry : m_catalogue) {
        const bool isHeader = entry.kind == E::kGruppe;
        HTREEITEM item = m_Available.InsertItem(texte.GetFuncViewText(kWorkFile, entry), isHeader ? 0 : 2,
                                                isHeader ? 1 : 3, isHeader ? TVI_ROOT : header);
        m_catalogueItems.push_back(item);
        if (isHeader)
            header = item;
    }

    // The stored list, whole: loading is never refused by the limit.
    FuncViewEntry stored[kMaxEntries];
    if (para.GetFuncView(kWorkFile, stored))
        for (const FuncViewEntry& entry : stored) {
            if (entry.kind == E::kEnde)
                break;
            InsertEntry(m_overview, m_overview.size(), entry, false);
        }
    ShowOverview();
    m_List.SelectItem(m_hEnd);
    m_nLevel = 0;
    UpdateData(FALSE);
}

int CFuncView::InsertEntry(std::vector<FuncViewEntry>& list, size_t position, const FuncViewEntry& entry, bool limit)
{
    const plant::Insertion insertion = plant::InsertionAt(list, position, entry);
    if (limit && list.size() + insertion.chain.size() > static_cast<size_t>(kMaxEntries)) {
        messages::Show(m_hWnd, messages::kFuncViewFull);
        return -1;
    }
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), insertion.chain.begin(), insertion.chain.end());
    return static_cast<int>(position + insertion.target);
}

void CFuncView::ShowOverview()
{
    m_List.DeleteAllItems();
    CTexte texte;
    HTREEITEM header = TVI_ROOT;
    m_overviewItems.clear();
    for (const FuncViewEntry& entry : m_overview) {
        int image = 0;
        int selected = 0;
        OverviewImages(entry, image, selected);
        const bool isHeader = entry.kind == E::kGruppe;
        HTREEITEM item =
            m_List.InsertItem(texte.GetFuncViewText(kWorkFile, entry), image, selected, isHeader ? TVI_ROOT : header);
        m_overviewItems.push_back(item);
        if (isHeader)
            header = item;
        else if (header != TVI_ROOT)
            m_List.Expand(header, TVE_EXPAND);
    }
    CString end;
    end.Format(ui::kFuncViewEnd, ui::kFuncViewEndWord);
    m_hEnd = m_List.InsertItem(end, kEndImage, kEndImage + 1);
}

int CFuncView::OverviewIndex(HTREEITEM item) const
{
    for (size_t i = 0; i < m_overviewItems.size(); ++i)
        if (item && m_overviewItems[i] == item)
            return static_cast<int>(i);
    return -1;
}

void CFuncView::AddSelected()
{
    UpdateData(TRUE);
    const HTREEITEM selected = m_Available.GetSelectedItem();
    size_t index = 0;
    while (index < m_catalogueItems.size() && (!selected || m_catalogueItems[index] != selected))
        ++index;
    if (index >= m_catalogue.size())
        return;
    FuncViewEntry entry = m_catalogue[index];
    if (entry.kind != E::kGruppe)
        entry.kind = m_nLevel >= 0 && m_nLevel < 5 ? kLevels[m_nLevel].kind : static_cast<BYTE>(E::kExperte);
    const int at = OverviewIndex(m_List.GetSelectedItem());
    const int inserted = InsertEntry(m_overview, at < 0 ? m_overview.size() : static_cast<size_t>(at), entry, true);
    if (inserted < 0)
        return;
    ShowOverview();
    m_List.SelectSetFirstVisible(m_overviewItems[static_cast<size_t>(inserted)]);
    const size_t next = static_cast<size_t>(inserted) + 1;
    m_List.SelectItem(next < m_overviewItems.size() ? m_overviewItems[next] : m_hEnd);
}

void CFuncView::RemoveSelected()
{
    const int index = OverviewIndex(m_List.GetSelectedItem());
    if (index < 0)
        return;
    const size_t follower = static_cast<size_t>(index);
    m_overview.erase(m_overview.begin() + index,
                     m_overview.begin() + static_cast<std::ptrdiff_t>(plant::RemovalEnd(m_overview, follower)));
    ShowOverview();
    m_List.SelectItem(follower < m_overviewItems.size() ? m_overviewItems[follower] : m_hEnd);
}

void CFuncView::SetAccessLevel(BYTE kind)
{
    const int index = OverviewIndex(m_List.GetSelectedItem());
    if (index < 0 || !IsLevelValue(m_overview[static_cast<size_t>(index)]))
        return;
    FuncViewEntry& entry = m_overview[static_cast<size_t>(index)];
    entry.kind = kind;
    int image = 0;
    int selected = 0;
    OverviewImages(entry, image, selected);
    m_List.SetItemImage(m_overviewItems[static_cast<size_t>(index)], image, selected);
}

void CFuncView::OnAdd()
{
    AddSelected();
}

void CFuncView::OnRemove()
{
    RemoveSelected();
}

void CFuncView::OnKeyDownAvailable(NMHDR* header, LRESULT* result)
{
    auto* nm = reinterpret_cast<NMTVKEYDOWN*>(header);
    if (nm->wVKey == VK_RIGHT && GetKeyState(VK_CONTROL) < 0)
        AddSelected();
    *result = 0;
}

void CFuncView::OnKeyDownList(NMHDR* header, LRESULT* result)
{
    auto* nm = reinterpret_cast<NMTVKEYDOWN*>(header);
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (nm->wVKey == VK_DELETE && !control)
        RemoveSelected();
    for (const Level& level : kLevels)
        if (control && nm->wVKey == level.key)
            SetAccessLevel(level.kind);
    *result = 0;
}

void CFuncView::SaveAndExit()
{
    CWaitCursor wait;
    std::vector<FuncViewEntry> list = m_overview;
    // A stored list that began with a value loaded with a header of group 0 in front, which says what the stored
    // form says without it: drop it again when the list would not fit otherwise.
    if (list.size() > static_cast<size_t>(kMaxEntries) && list[0].kind == E::kGruppe &&
        list[0].group == E::kGruppeUser && IsLevelValue(list[1]) && list[1].group == E::kGruppeUser)
        list.erase(list.begin());
    FuncViewEntry entries[kMaxEntries];
    for (size_t i = 0; i < list.size() && i < static_cast<size_t>(kMaxEntries); ++i)
        entries[i] = list[i];
    CParaDaten para;
    if (!para.SetFuncView(kWorkFile, entries) || !para.CommitWorkFile()) {
        forms::RefuseSave(this);
        return;
    }
    CSCCmd channel(Run());
    channel.Reset();
    channel.SetFileNotUpToDate();
    channel.Execute();
    platform::EndProcess(0);
}
