// The CAN data-logging form.
#include "forms/plant/CCanLogging.h"

#include "forms/dialogs/SaveRefusal.h"
#include "forms/plant/LoggingSources.h"
#include "forms/plant/NetworkSettings.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "platform/ProcessExit.h"
#include "platform/Win32Window.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "texts/CTexte.h"

CCanLogging* g_pCanLogging = nullptr;

IMPLEMENT_DYNCREATE(CCanLogging, CFormView)

BEGIN_MESSAGE_MAP(CCanLogging, CFormView)
    ON_NOTIFY(TCN_SELCHANGE, IDC_CANLOG_TABS, OnTabChanged)
    ON_BN_CLICKED(IDC_LIST_ADD, OnAdd)
    ON_BN_CLICKED(IDC_LIST_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_CANLOG_CLEAR, OnClearAll)
    ON_BN_CLICKED(IDC_CANLOG_DEFAULTS, OnDefaults)
    ON_BN_CLICKED(IDC_CANLOG_NETWORK, OnNetwork)
    ON_NOTIFY(TVN_KEYDOWN, IDC_CANLOG_SOURCES, OnTreeKey)
    ON_NOTIFY(LVN_KEYDOWN, IDC_CANLOG_LIST, OnListKey)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_CANLOG_LIST, OnListDraw)
END_MESSAGE_MAP()

namespace {

constexpr int kWorkFile = CParaDaten::kWorkFile;
constexpr int kAnalogRows = 16;
constexpr int kGroupImage = 0, kGroupSelectedImage = 1, kValueImage = 2, kValueSelectedImage = 3;
constexpr BYTE kMaxNode = 62;
constexpr BYTE kFirstTimeout = 10;
constexpr BYTE kLastTimeout = 251;

struct Caption {
    UINT id;
    const char* text;
};
constexpr Caption kCaptions[] = {
    {IDC_CANLOG_SOURCE_GROUP, ui::kCanLogSources}, {IDC_CANLOG_MASTER_LABEL, ui::kCanLogMaster},
    {IDC_CANLOG_TIMEOUT_LABEL, ui::kCanLogTimeout}, {IDC_CANLOG_NETWORK, ui::kCanLogNetwork},
    {IDC_CANLOG_CLEAR, ui::kCanLogClear},         {IDC_CANLOG_DEFAULTS, ui::kCanLogDefaults},
};

}  // namespace

CCanLogging::CCanLogging() : CFormView(IDD_CAN_LOGGING) {}

CCanLogging::~CCanLogging() = default;

void CCanLogging::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_CANLOG_SOURCES, m_Sources);
    DDX_Control(dx, IDC_CANLOG_LIST, m_List);
    DDX_Control(dx, IDC_CANLOG_TABS, m_Tabs);
    DDX_Control(dx, IDC_CANLOG_MASTER, m_Master);
    DDX_Control(dx, IDC_CANLOG_TIMEOUT, m_Timeout);
    DDX_Text(dx, IDC_TITLE, m_strTitle);
}

void CCanLogging::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CCanLogging::LoadForm()
{
    m_strTitle = ui::kCanLogTitle;
    for (const Caption& caption : kCaptions)
        SetDlgItemText(static_cast<int>(caption.id), caption.text);
    m_Master.ResetContent();
    for (int node = 1; node <= kMaxNode; ++node) {
        CString item;
        item.Format(ui::kCanLogMasterItem, node);
        m_Master.AddString(item);
    }
    m_Timeout.ResetContent();
    for (int code = kFirstTimeout; code <= kLastTimeout; ++code)
        m_Timeout.AddString(resources::TimeByteText(code));
    m_Tabs.DeleteAllItems();
    for (int set = 1; set <= 2; ++set) {
        CString tab;
        tab.Format(ui::kCanLogTab, set);
        m_Tabs.InsertItem(set - 1, tab);
    }
    m_bNodeChanged = false;

    m_Images.DeleteImageList();
    m_Images.Create(16, 16, ILC_COLOR4, 0, 4);
    for (UINT bitmap : {IDB_TILE_F, IDB_TILE_F_SELECTED, IDB_DOT, IDB_DOT_SELECTED})
        m_Images.AddImage(bitmap, 0);
    m_Sources.SetImageList(&m_Images, TVSIL_NORMAL);
    m_Sources.DeleteAllItems();
    FillSourceTree();
    ShowRecord();
    UpdateData(FALSE);
}

void CCanLogging::FillSourceTree()
{
    m_sources.clear();
    CTexte texte;
    CParaDaten para;
    for (const plant::SourceGroup& group : plant::LoggingSourceGroups(para)) {
        HTREEITEM groupItem =
            m_Sources.InsertItem(texte.GetQuelleKurzText(kWorkFile, group.kind), kGroupImage, kGroupSelectedImage);
        m_sources.push_back({groupItem, 0, {group.kind, 0}});
        for (int number = 1; number <= group.values; ++number) {
            const BYTE n = static_cast<BYTE>(number);
            CString text;
            text.Format(ui::kCanLogSourceItem, number, texte.GetQuelleVariableText(kWorkFile, group.kind, n).GetString());
            HTREEITEM item = m_Sources.InsertItem(text, kValueImage, kValueSelectedImage, groupItem);
            m_sources.push_back({item, 1, {group.kind, n}});
        }
    }
}

Quelle& CCanLogging::Entry(int set, int row)
{
    LoggingListen::Datensatz& data = m_Record.sets[set];
    return row < kAnalogRows ? data.analog[row] : data.digital[row - kAnalogRows];
}

void CCanLogging::ShowRecord()
{
    CParaDaten para;
    LoggingListen stored;
    if (para.GetLoggingListen(kWorkFile, stored)) {
        m_Record = stored;
    } else {
        // Nothing readable: the default block's node and time-out, and no sources.
        BYTE block[236] = {};
        CTexte::DefaultLoggingDaten(block);
        m_Record = LoggingListen {};
        m_Record.masterNode = block[0];
        m_Record.timeout = block[1];
    }
    CParaCheck().CheckLogging(m_Record);
    m_Master.SetCurSel(m_Record.masterNode - 1);
    m_Timeout.SetCurSel(m_Record.timeout - kFirstTimeout);
    CTexte texte;
    for (int set = 0; set < 2; ++set)
        for (int row = 0; row < kRows; ++row)
            m_texts[set][row] = texte.GetQuelleLangText(kWorkFile, Entry(set, row));

    CColorListCtrl::ColorSettings colors;
    colors.oddBack1 = colors.evenBack1 = RGB(225, 249, 200);
    colors.text2 = RGB(0, 0, 255);
    colors.oddBack2 = colors.evenBack2 = RGB(240, 247, 249);
    colors.threshold = kAnalogRows;
    m_List.SetColors(colors);
    m_List.SetExtendedStyle(m_List.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_List.DeleteAllItems();
    while (m_List.GetColumnCount() > 0)
        m_List.DeleteColumn(0);
    m_List.InsertColumn(0, ui::kCanLogParameter, LVCFMT_LEFT);
    m_List.InsertColumn(1, ui::kCanLogSource, LVCFMT_LEFT);
    for (int row = 0; row < kRows; ++row) {
        CString label;
        if (row < kAnalogRows)
            label.Format(ui::kCanLogRow, ui::kCanLogAnalog, row + 1);
        else
            label.Format(ui::kCanLogRow, ui::kCanLogDigital, row - kAnalogRows + 1);
        m_List.InsertItem(row, label);
    }
    m_List.SetColumnWidth(0, LVSCW_AUTOSIZE);
    m_List.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    m_nCurrent = m_Tabs.GetCurSel() == 1 ? 1 : 0;
    ShowList(0);
}

void CCanLogging::ShowList(int selectRow)
{
    for (int row = 0; row < kRows; ++row)
        m_List.SetItemText(row, 1, m_texts[m_nCurrent][row]);
    m_List.SetItemState(selectRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_List.SetSelectionMark(selectRow);
    m_List.EnsureVisible(selectRow, FALSE);
}

void CCanLogging::SetEntry(int row, const Quelle& source)
{
    Entry(m_nCurrent, row) = source;
    m_texts[m_nCurrent][row] = CTexte().GetQuelleLangText(kWorkFile, source);
}

void CCanLogging::MoveMarkOn(int row)
{
    ShowList(row + 1 < kRows ? row + 1 : row);
}

void CCanLogging::OnTabChanged(NMHDR*, LRESULT* result)
{
    m_nCurrent = m_Tabs.GetCurSel() == 1 ? 1 : 0;
    ShowList(0);
    *result = 0;
}

void CCanLogging::OnAdd()
{
    HTREEITEM item = m_Sources.GetSelectedItem();
    const int row = m_List.GetSelectionMark();
    if (!item || row < 0 || row >= kRows)
        return;
    for (const Source& source : m_sources) {
        if (source.item != item)
            continue;
        if (source.level == 0) {
            messages::Show(m_hWnd, messages::kCanLogNoValue);
            return;
        }
        SetEntry(row, source.source);
        MoveMarkOn(row);
        return;
    }
}

void CCanLogging::OnRemove()
{
    const int row = m_List.GetSelectionMark();
    if (row < 0 || row >= kRows)
        return;
    SetEntry(row, Quelle {});
    MoveMarkOn(row);
}

void CCanLogging::OnClearAll()
{
    for (int row = 0; row < kRows; ++row)
        SetEntry(row, Quelle {});
    ShowList(std::max(m_List.GetSelectionMark(), 0));
}

void CCanLogging::OnDefaults()
{
    BYTE block[236] = {};
    CTexte::DefaultLoggingDaten(block);
    // Record 1 takes the entries at 4 (analog) and 132 (digital), record 2 those at 68 and 184; 4 bytes each.
    const int analog = m_nCurrent == 0 ? 4 : 68;
    const int digital = m_nCurrent == 0 ? 132 : 184;
    for (int row = 0; row < kRows; ++row) {
        const BYTE* e = row < kAnalogRows ? block + analog + 4 * row : block + digital + 4 * (row - kAnalogRows);
        SetEntry(row, Quelle {e[0], e[1]});
    }
    ShowList(std::max(m_List.GetSelectionMark(), 0));
}

void CCanLogging::OnNetwork()
{
    if (forms::EditNetworkSettings(this))
        m_bNodeChanged = true;
}

void CCanLogging::OnTreeKey(NMHDR* header, LRESULT* result)
{
    auto* nm = reinterpret_cast<NMTVKEYDOWN*>(header);
    if (nm->wVKey == VK_RIGHT && GetKeyState(VK_CONTROL) < 0)
        OnAdd();
    *result = 0;
}

void CCanLogging::OnListKey(NMHDR* header, LRESULT* result)
{
    auto* nm = reinterpret_cast<NMLVKEYDOWN*>(header);
    if (nm->wVKey == VK_DELETE)
        OnRemove();
    *result = 0;
}

void CCanLogging::OnListDraw(NMHDR* header, LRESULT* result)
{
    m_List.OnCustomDraw(header, result);
}

void CCanLogging::SaveAndExit()
{
    CWaitCursor wait;
    LoggingListen record = m_Record;
    record.masterNode = static_cast<BYTE>(m_Master.GetCurSel() + 1);
    record.timeout = static_cast<BYTE>(m_Timeout.GetCurSel() + kFirstTimeout);
    CParaDaten para;
    if (!para.SetLoggingListen(kWorkFile, record) || !para.CommitWorkFile()) {
        forms::RefuseSave(this);
        return;
    }
    CSCCmd channel(Run());
    channel.Reset();
    // The network-output objects show this controller's node as their node text.
    if (m_bNodeChanged)
        CTexte().UpdateZeichnung(channel, CTexte::kLabelsNetzAusgaenge, -1);
    channel.SetFileNotUpToDate();
    channel.Execute();
    platform::EndProcess(0);
}
