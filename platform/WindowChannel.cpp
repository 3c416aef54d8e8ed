// The window channel: requests from outside read the window model and act on it through platform::UserInput.
#include "platform/WindowChannel.h"

#include "platform/BoundControl.h"
#include "platform/CButton.h"
#include "platform/CCmdUI.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CFormView.h"
#include "platform/CFrameWnd.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CTabCtrl.h"
#include "platform/CToolBar.h"
#include "platform/CTreeCtrl.h"
#include "platform/CLocale.h"
#include "platform/CWinApp.h"
#include "platform/Cp1252.h"
#include "platform/EventLoop.h"
#include "platform/HeadlessPrompts.h"
#include "platform/LocalSocket.h"
#include "platform/ProcessExit.h"
#include "platform/Prompts.h"
#include "platform/UserInput.h"
#include "platform/WindowBackend.h"
#include "platform/WindowChannelWire.h"
#include "platform/WindowData.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <poll.h>
#include <vector>

namespace platform {

namespace {

constexpr std::chrono::milliseconds kSendTimeout {2000};
constexpr std::chrono::milliseconds kListenRetry {50};
// Connections that have not delivered their request yet; more are refused, so a flood cannot exhaust descriptors.
constexpr size_t kMaxReading = 16;

struct Result {
    int status = 0;
    CString text;  // Windows-1252
};

Result Done(CString text = CString())
{
    return {0, std::move(text)};
}
Result Refused(CString why)
{
    return {1, std::move(why)};
}
Result Missing(CString why)
{
    return {2, std::move(why)};
}

// A request from its arrival to its answer.
struct Request {
    LocalSocket socket;
    bool answered = false;
    bool finished = false;
    int depth = 0;  // the modal depth the action started at
    Result result;
};

struct Reading {
    LocalSocket socket;
    std::uint64_t watch = 0;
    std::string buffer;
};

struct Server {
    EventLoop* loop = nullptr;
    LocalSocket listener;
    std::uint64_t watch = 0;
    std::uint64_t retryTimer = 0;
    bool hooksAdded = false;
    bool serving = false;
    std::map<int, Reading> reading;  // by descriptor
    std::vector<std::shared_ptr<Request>> open;
};

Server& S()
{
    static Server server;
    return server;
}

void Answer(const std::shared_ptr<Request>& request, const Result& result)
{
    if (request->answered)
        return;
    request->answered = true;
    std::string bytes = WindowChannelWire::Encode({std::to_string(result.status), Cp1252ToUtf8(result.text.str())});
    request->socket.SendAll(bytes.data(), bytes.size(), kSendTimeout);
    request->socket.Close();
    auto& open = S().open;
    for (auto it = open.begin(); it != open.end(); ++it) {
        if (*it == request) {
            open.erase(it);
            break;
        }
    }
}

// The process ends: whatever was asked has been done as far as it goes, and the channel's name is given up.
void AnswerAllOnExit()
{
    std::vector<std::shared_ptr<Request>> open = S().open;
    for (const auto& request : open)
        Answer(request, request->finished ? request->result : Done());
    S().listener.Close();
}

// ---- finding windows ----

WindowData* Data(HWND hwnd)
{
    return FindWindowData(hwnd);
}

HWND MainFrame()
{
    CWnd* main = AfxGetMainWnd();
    return main && Data(main->m_hWnd) ? main->m_hWnd : nullptr;
}

bool AllDigits(const CString& text)
{
    if (text.IsEmpty())
        return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

bool Visible(HWND hwnd)
{
    WindowData* data = Data(hwnd);
    return data && (data->style & WS_VISIBLE);
}

void FormsWithTemplate(HWND hwnd, UINT templateId, std::vector<HWND>& found)
{
    WindowData* data = Data(hwnd);
    if (!data)
        return;
    for (HWND child : data->children) {
        if (auto* form = dynamic_cast<CFormView*>(CWnd::FromHandle(child)); form && form->GetTemplateId() == templateId)
            found.push_back(child);
        FormsWithTemplate(child, templateId, found);
    }
}

HWND FindWhich(const CString& which)
{
    std::vector<HWND> tops = TopLevelWindows();
    if (which == "frame")
        return MainFrame();
    if (which == "active") {
        for (auto it = tops.rbegin(); it != tops.rend(); ++it)
            if (WindowData* data = Data(*it); data && data->kind == WindowKind::Dialog && Visible(*it))
                return *it;
        return MainFrame();
    }
    if (!AllDigits(which) || which.GetLength() > 9)
        return nullptr;
    UINT templateId = static_cast<UINT>(std::atoi(which.GetString()));
    HWND hidden = nullptr;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandle(*it));
        if (dialog && dialog->GetTemplateId() == templateId) {
            if (Visible(*it))
                return *it;
            if (!hidden)
                hidden = *it;
        }
    }
    std::vector<HWND> forms;
    for (HWND top : tops)
        FormsWithTemplate(top, templateId, forms);
    for (HWND form : forms)
        if (Visible(form))
            return form;
    if (hidden)
        return hidden;
    return forms.empty() ? nullptr : forms.front();
}

void ControlsWithId(HWND hwnd, UINT id, std::vector<HWND>& found)
{
    WindowData* data = Data(hwnd);
    if (!data)
        return;
    for (HWND child : data->children) {
        if (WindowData* c = Data(child); c && c->id == id)
            found.push_back(child);
        ControlsWithId(child, id, found);
    }
}

// Whether the window and every parent up to root are shown.
bool ShownUnder(HWND hwnd, HWND root)
{
    for (WindowData* data = Data(hwnd); data; data = Data(data->parent)) {
        if (!(data->style & WS_VISIBLE))
            return false;
        if (data->hwnd == root)
            return true;
    }
    return true;
}

// Where several controls carry the id, the one in the shown form wins.
HWND FindControl(HWND root, UINT id)
{
    std::vector<HWND> found;
    ControlsWithId(root, id, found);
    for (HWND hwnd : found)
        if (ShownUnder(hwnd, root))
            return hwnd;
    return found.empty() ? nullptr : found.front();
}

HWND TopLevelOf(HWND hwnd)
{
    WindowData* data = Data(hwnd);
    while (data && data->parent)
        data = Data(data->parent);
    return data ? data->hwnd : nullptr;
}

CString Describe(HWND hwnd)
{
    WindowData* data = Data(hwnd);
    CString text;
    text.Format("window %u", data ? data->id : 0u);
    return text;
}

// Why a person could not act on the window, for the answer of a refused action.
CString Unreachable(HWND hwnd)
{
    for (WindowData* data = Data(hwnd); data; data = Data(data->parent)) {
        CString who = data->hwnd == hwnd ? Describe(hwnd) : "a window it lies in (" + Describe(data->hwnd) + ")";
        if (!(data->style & WS_VISIBLE))
            return Describe(hwnd) + " is hidden" + (data->hwnd == hwnd ? CString() : ": " + who + " is hidden");
        if (data->style & WS_DISABLED)
            return Describe(hwnd) + " is disabled" + (data->hwnd == hwnd ? CString() : ": " + who + " is disabled");
    }
    return Describe(hwnd) + " cannot be reached";
}

// ---- reading ----

const char* ClassName(const WindowData& data)
{
    switch (data.kind) {
    case WindowKind::Frame:
    case WindowKind::View: return "AfxFrameOrView";
    case WindowKind::Dialog: return "#32770";
    case WindowKind::Button: return "Button";
    case WindowKind::Static: return "Static";
    case WindowKind::Edit: return "Edit";
    case WindowKind::ComboBox: return "ComboBox";
    case WindowKind::ListBox: return "ListBox";
    case WindowKind::TreeView: return "SysTreeView32";
    case WindowKind::ListView: return "SysListView32";
    case WindowKind::Tab: return "SysTabControl32";
    case WindowKind::Progress: return "msctls_progress32";
    case WindowKind::ToolBar: return "ToolbarWindow32";
    case WindowKind::StatusBar: return "msctls_statusbar32";
    case WindowKind::Generic: break;
    }
    return "Window";
}

bool IsCheckButton(const WindowData& data)
{
    switch (data.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON: return true;
    default: return false;
    }
}

CString Quoted(const CString& text)
{
    CString out = "\"";
    for (int i = 0; i < text.GetLength(); ++i) {
        char c = text[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c; break;
        }
    }
    return out + "\"";
}

CString RowText(CListCtrl& list, int row)
{
    int columns = std::max(list.GetColumnCount(), 1);
    CString text;
    for (int column = 0; column < columns; ++column) {
        if (column > 0)
            text += "\t";
        text += list.GetItemText(row, column);
    }
    return text;
}

int Selection(const WindowData& data)
{
    switch (data.kind) {
    case WindowKind::ComboBox: return BoundControl<CComboBox>(data.hwnd)->GetCurSel();
    case WindowKind::ListBox: return BoundControl<CListBox>(data.hwnd)->GetCurSel();
    case WindowKind::Tab: return BoundControl<CTabCtrl>(data.hwnd)->GetCurSel();
    case WindowKind::ListView: return BoundControl<CListCtrl>(data.hwnd)->GetNextItem(-1, LVNI_SELECTED);
    default: return -1;
    }
}

void TreeLines(HWND hwnd, int level, CString& out)
{
    WindowData* data = Data(hwnd);
    if (!data)
        return;
    CString text;
    CWnd::FromHandle(hwnd)->GetWindowText(text);
    CString line;
    line.Format("%s%s %u ", std::string(static_cast<size_t>(level) * 2, ' ').c_str(), ClassName(*data), data->id);
    line += Quoted(text);
    if (!(data->style & WS_VISIBLE))
        line += " hidden";
    if (data->style & WS_DISABLED)
        line += " disabled";
    if (data->kind == WindowKind::Button && IsCheckButton(*data) &&
        BoundControl<CButton>(hwnd)->GetCheck() == BST_CHECKED)
        line += " checked";
    if (int sel = Selection(*data); sel >= 0)
        line += CString(FormatC(" sel=%d", sel).c_str());
    out += line + "\n";
    std::vector<HWND> children = data->children;  // reading never changes them, but stay safe
    for (HWND child : children)
        TreeLines(child, level + 1, out);
}

void TreeItemLines(CTreeCtrl& tree, HTREEITEM item, int level, CString& out)
{
    for (; item; item = tree.GetNextSiblingItem(item)) {
        out += CString(' ', level * 2) + tree.GetItemText(item) + "\n";
        TreeItemLines(tree, tree.GetChildItem(item), level + 1, out);
    }
}

Result Get(HWND hwnd)
{
    WindowData* data = Data(hwnd);
    CString text;
    switch (data->kind) {
    case WindowKind::Button:
        if (IsCheckButton(*data))
            return Done(CString(FormatC("%d", BoundControl<CButton>(hwnd)->GetCheck()).c_str()));
        break;
    case WindowKind::ComboBox: {
        BoundControl<CComboBox> combo(hwnd);
        int sel = combo->GetCurSel();
        if (sel >= 0)
            combo->GetLBText(sel, text);
        else if ((data->style & 0x3) == CBS_DROPDOWN || (data->style & 0x3) == CBS_SIMPLE)
            CWnd::FromHandle(hwnd)->GetWindowText(text);  // the text typed into its edit field
        return Done(text);
    }
    case WindowKind::ListBox: {
        BoundControl<CListBox> list(hwnd);
        if (int sel = list->GetCurSel(); sel >= 0)
            list->GetText(sel, text);
        return Done(text);
    }
    case WindowKind::Tab: {
        BoundControl<CTabCtrl> tab(hwnd);
        int sel = tab->GetCurSel();
        return Done(sel >= 0 ? tab->GetItemText(sel) : CString());
    }
    case WindowKind::ListView: {
        BoundControl<CListCtrl> list(hwnd);
        int sel = list->GetNextItem(-1, LVNI_SELECTED);
        return Done(sel >= 0 ? RowText(*list, sel) : CString());
    }
    case WindowKind::TreeView: {
        BoundControl<CTreeCtrl> tree(hwnd);
        HTREEITEM sel = tree->GetSelectedItem();
        return Done(sel ? tree->GetItemText(sel) : CString());
    }
    default: break;
    }
    CWnd::FromHandle(hwnd)->GetWindowText(text);
    return Done(text);
}

Result Items(HWND hwnd)
{
    WindowData* data = Data(hwnd);
    CString out;
    CString text;
    switch (data->kind) {
    case WindowKind::ComboBox: {
        BoundControl<CComboBox> combo(hwnd);
        for (int i = 0; i < combo->GetCount(); ++i) {
            combo->GetLBText(i, text);
            out += text + "\n";
        }
        break;
    }
    case WindowKind::ListBox: {
        BoundControl<CListBox> list(hwnd);
        for (int i = 0; i < list->GetCount(); ++i) {
            list->GetText(i, text);
            out += text + "\n";
        }
        break;
    }
    case WindowKind::Tab: {
        BoundControl<CTabCtrl> tab(hwnd);
        for (int i = 0; i < tab->GetItemCount(); ++i)
            out += tab->GetItemText(i) + "\n";
        break;
    }
    case WindowKind::ListView: {
        BoundControl<CListCtrl> list(hwnd);
        for (int i = 0; i < list->GetItemCount(); ++i)
            out += RowText(*list, i) + "\n";
        break;
    }
    case WindowKind::TreeView: {
        BoundControl<CTreeCtrl> tree(hwnd);
        TreeItemLines(*tree, tree->GetRootItem(), 0, out);
        break;
    }
    default: return Refused(Describe(hwnd) + " has no items");
    }
    return Done(out);
}

// ---- acting ----

bool ParseIndex(const CString& text, int& index)
{
    if (!AllDigits(text) || text.GetLength() > 9)
        return false;
    index = std::atoi(text.GetString());
    return true;
}

Result Acted(bool done, HWND hwnd, const CString& what)
{
    if (done)
        return Done();
    if (Data(hwnd) && !UserInput::IsReachable(hwnd))
        return Refused(Unreachable(hwnd));
    return Refused(what);
}

// A person about to enter text clicks into the field first: the edit field, focused; null, with the refusal, when the
// control is no edit field or out of reach.
CWnd* FocusEditField(HWND hwnd, Result& refusal)
{
    if (Data(hwnd)->kind != WindowKind::Edit) {
        refusal = Refused(Describe(hwnd) + " is no edit field");
        return nullptr;
    }
    if (!UserInput::IsReachable(hwnd)) {
        refusal = Refused(Unreachable(hwnd));
        return nullptr;
    }
    CWnd* edit = CWnd::FromHandle(hwnd);
    edit->SetFocus();
    return edit;
}

// Pastes over the whole text of the field, as a person who selects it all first; the field keeps the focus.
Result Paste(HWND hwnd, const CString& text)
{
    Result refusal;
    CWnd* edit = FocusEditField(hwnd, refusal);
    if (!edit)
        return refusal;
    UserInput::SelectText(*edit, 0, -1);
    return Acted(UserInput::Paste(*edit, text), hwnd, Describe(hwnd) + " takes no paste");
}

Result Type(HWND hwnd, const CString& text)
{
    Result refusal;
    CWnd* edit = FocusEditField(hwnd, refusal);
    if (!edit)
        return refusal;
    if (!UserInput::ReplaceText(*edit, text))
        return Acted(false, hwnd, Describe(hwnd) + " takes no typing");
    // The focus moves on to the next control a Tab reaches, as a person leaves a field.
    WindowData* field = Data(hwnd);
    WindowData* parent = field ? Data(field->parent) : nullptr;
    if (parent) {
        const std::vector<HWND>& siblings = parent->children;
        auto at = std::find(siblings.begin(), siblings.end(), hwnd);
        for (size_t step = 1; at != siblings.end() && step < siblings.size(); ++step) {
            HWND next = siblings[(static_cast<size_t>(at - siblings.begin()) + step) % siblings.size()];
            WindowData* n = Data(next);
            if (n && (n->style & WS_TABSTOP) && UserInput::IsReachable(next)) {
                CWnd::FromHandle(next)->SetFocus();
                break;
            }
        }
    }
    return Done();
}

Result PickTree(HWND hwnd, const CString& path)
{
    if (Data(hwnd)->kind != WindowKind::TreeView)
        return Refused(Describe(hwnd) + " is no tree view");
    if (!UserInput::IsReachable(hwnd))
        return Refused(Unreachable(hwnd));
    CWnd& wnd = *CWnd::FromHandle(hwnd);
    HTREEITEM item = nullptr;
    HTREEITEM level = BoundControl<CTreeCtrl>(hwnd)->GetRootItem();
    int start = 0;
    while (start <= path.GetLength()) {
        int slash = path.Find('/', start);
        CString part = path.Mid(start, (slash < 0 ? path.GetLength() : slash) - start);
        start = slash < 0 ? path.GetLength() + 1 : slash + 1;
        if (item) {
            // A person opens the parent item to reach its children.
            if (!(BoundControl<CTreeCtrl>(hwnd)->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED))
                UserInput::ExpandTreeItem(wnd, item, TVE_EXPAND);
            if (!Data(hwnd))
                return Done();
            level = BoundControl<CTreeCtrl>(hwnd)->GetChildItem(item);
        }
        item = nullptr;
        for (HTREEITEM it = level; it; it = BoundControl<CTreeCtrl>(hwnd)->GetNextSiblingItem(it)) {
            if (BoundControl<CTreeCtrl>(hwnd)->GetItemText(it) == part) {
                item = it;
                break;
            }
        }
        if (!item)
            return Refused("no tree item " + Quoted(part) + " on the path " + Quoted(path));
    }
    return Acted(UserInput::SelectTreeItem(wnd, item), hwnd, "the tree item cannot be picked");
}

struct KeyName {
    const char* name;
    UINT key;
};
constexpr KeyName kKeys[] = {
    {"ENTER", VK_RETURN}, {"ESC", VK_ESCAPE}, {"TAB", VK_TAB},     {"DELETE", VK_DELETE}, {"UP", VK_UP},
    {"DOWN", VK_DOWN},    {"LEFT", VK_LEFT},  {"RIGHT", VK_RIGHT}, {"BACKSPACE", VK_BACK}, {"HOME", VK_HOME},
    {"END", VK_END},      {"SPACE", VK_SPACE}, {"PGUP", VK_PRIOR}, {"PGDN", VK_NEXT},
};

// A key as written: modifiers in front, then a key name, F1..F12 or one character.
bool ParseKey(CString keyText, UINT& key, UINT& modifiers, char& character)
{
    key = 0;
    modifiers = 0;
    character = 0;
    if (keyText.IsEmpty())
        return false;
    for (bool more = true; more;) {
        more = false;
        static const struct {
            const char* prefix;
            UINT modifier;
        } prefixes[] = {{"CTRL+", UserInput::kControl}, {"SHIFT+", UserInput::kShift}, {"ALT+", UserInput::kAlt}};
        for (const auto& p : prefixes) {
            CString prefix = p.prefix;
            if (keyText.GetLength() > prefix.GetLength() && keyText.Left(prefix.GetLength()).CompareNoCase(prefix) == 0) {
                modifiers |= p.modifier;
                keyText = keyText.Mid(prefix.GetLength());
                more = true;
            }
        }
    }
    for (const KeyName& k : kKeys) {
        if (keyText.CompareNoCase(k.name) == 0) {
            key = k.key;
            return true;
        }
    }
    if ((keyText[0] == 'F' || keyText[0] == 'f') && keyText.GetLength() >= 2 && AllDigits(keyText.Mid(1))) {
        int n = std::atoi(keyText.Mid(1).GetString());
        if (n >= 1 && n <= 12) {
            key = 0x70 + static_cast<UINT>(n - 1);
            return true;
        }
    }
    if (keyText.GetLength() != 1)
        return false;
    character = keyText[0];
    if (character >= 'a' && character <= 'z')
        key = static_cast<UINT>(character - 'a' + 'A');
    else if ((character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9'))
        key = static_cast<UINT>(character);
    return true;
}

Result Key(HWND root, const CString& target, const CString& keyText)
{
    UINT key = 0;
    UINT modifiers = 0;
    char character = 0;
    if (!ParseKey(keyText, key, modifiers, character))
        return Refused("no key " + Quoted(keyText));
    HWND hwnd = nullptr;
    if (target == "-") {
        HWND focus = FocusWindow();
        hwnd = focus && Data(focus) && TopLevelOf(focus) == TopLevelOf(root) ? focus : root;
    } else {
        int id = 0;
        if (!ParseIndex(target, id))
            return Refused("no control id " + Quoted(target));
        hwnd = FindControl(root, static_cast<UINT>(id));
        if (!hwnd)
            return Missing("no control " + target + " in the window");
    }
    if (!UserInput::IsReachable(hwnd))
        return Refused(Unreachable(hwnd));
    CWnd& wnd = *CWnd::FromHandle(hwnd);
    // A character key in an edit field types the character.
    if (character && !(modifiers & (UserInput::kControl | UserInput::kAlt)) && Data(hwnd)->kind == WindowKind::Edit)
        return Acted(UserInput::TypeText(wnd, CString(character)), hwnd, Describe(hwnd) + " takes no typing");
    if (!key)
        return Refused("the key " + Quoted(keyText) + " does nothing here");
    return Acted(UserInput::PressKey(wnd, key, modifiers), hwnd, "the key cannot be pressed");
}

// drag ID FROM TO [KEY]: rows from 0; TO -1 drops beside the list; KEY is pressed during the drag.
Result Drag(HWND root, const std::vector<CString>& a)
{
    int id = 0;
    int from = 0;
    int to = 0;
    if (!ParseIndex(a[2], id))
        return Refused("no control id " + Quoted(a[2]));
    if (!ParseIndex(a[3], from))
        return Refused("no row " + Quoted(a[3]));
    if (a[4] == "-1")
        to = -1;
    else if (!ParseIndex(a[4], to))
        return Refused("no row " + Quoted(a[4]));
    UINT key = 0;
    UINT modifiers = 0;
    char character = 0;
    if (a.size() > 5 && (!ParseKey(a[5], key, modifiers, character) || !key))
        return Refused("no key " + Quoted(a[5]));
    HWND hwnd = FindControl(root, static_cast<UINT>(id));
    if (!hwnd)
        return Missing("no control " + a[2] + " in the window");
    return Acted(UserInput::DragRow(*CWnd::FromHandle(hwnd), from, to, key, modifiers), hwnd,
                 "no drag from row " + a[3] + " to row " + a[4]);
}

Result Command(HWND root, UINT id)
{
    auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(TopLevelOf(root)));
    if (!frame)
        frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(MainFrame()));
    if (!frame)
        return Missing("no frame window");
    HWND frameWnd = frame->m_hWnd;
    frame->UpdateCommandUI();
    for (HWND child : std::vector<HWND>(Data(frameWnd)->children)) {
        if (Data(child)->kind != WindowKind::ToolBar)
            continue;
        auto* bar = dynamic_cast<CToolBar*>(CWnd::FromHandle(child));
        int index = bar ? bar->CommandToIndex(id) : -1;
        if (index < 0)
            continue;
        if (!UserInput::IsReachable(child))
            return Refused(Unreachable(child));
        CString disabled;
        disabled.Format("command %u is disabled", id);
        return Acted(UserInput::PressToolbarButton(*bar, index), child, disabled);
    }
    for (const ACCEL& accel : frame->GetAccelerators()) {
        if (accel.cmd != id)
            continue;
        if (!UserInput::IsReachable(frameWnd))
            return Refused(Unreachable(frameWnd));
        if (!IsCommandEnabled(frame, id))
            return Refused(CString(FormatC("command %u is disabled", id).c_str()));
        UINT modifiers = ((accel.fVirt & FCONTROL) ? UserInput::kControl : 0) |
                         ((accel.fVirt & FALT) ? UserInput::kAlt : 0) | ((accel.fVirt & FSHIFT) ? UserInput::kShift : 0);
        return Acted(UserInput::PressKey(*frame, accel.key, modifiers), frameWnd, "the command cannot be chosen");
    }
    return Refused(CString(FormatC("no toolbar button or accelerator chooses command %u", id).c_str()));
}

struct ButtonName {
    const char* name;
    int id;
};
constexpr ButtonName kButtons[] = {{"OK", IDOK},       {"CANCEL", IDCANCEL}, {"YES", IDYES},      {"NO", IDNO},
                                   {"ABORT", IDABORT}, {"RETRY", IDRETRY},   {"IGNORE", IDIGNORE}};

CString RectText(const CRect& rect)
{
    return CString(FormatC("%d %d %d %d", static_cast<int>(rect.left), static_cast<int>(rect.top),
                           static_cast<int>(rect.Width()), static_cast<int>(rect.Height()))
                       .c_str());
}

// where ID: the control's rectangle on the screen in pixels, "<x> <y> <width> <height>", so that a person's input can
// be aimed at it. With real windows it is where the toolkit shows the widget; headless, where the model puts it.
Result Where(HWND hwnd)
{
    CRect rect;
    bool shown = false;
    CWnd& wnd = *CWnd::FromHandle(hwnd);
    if (WindowBackend* backend = ActiveWindowBackend()) {
        shown = backend->ScreenRectOf(hwnd, rect);
    } else if (wnd.IsWindowVisible()) {
        wnd.GetWindowRect(&rect);
        shown = true;
    }
    if (!shown)
        return Refused(Describe(hwnd) + " is not shown");
    return Done(RectText(rect));
}

// where ID for a command: the button of the frame's toolbar that chooses it (shown with real windows only).
Result WhereCommand(HWND root, UINT id)
{
    HWND frameWnd = TopLevelOf(root);
    WindowData* frame = Data(frameWnd);
    for (HWND child : frame ? frame->children : std::vector<HWND>()) {
        auto* bar = Data(child)->kind == WindowKind::ToolBar ? dynamic_cast<CToolBar*>(CWnd::FromHandle(child))
                                                            : nullptr;
        int index = bar ? bar->CommandToIndex(id) : -1;
        if (index < 0)
            continue;
        CRect rect;
        WindowBackend* backend = ActiveWindowBackend();
        if (!backend || !backend->ScreenRectOfPart(child, index, rect))
            return Refused(CString(FormatC("the button of command %u is not shown", id).c_str()));
        return Done(RectText(rect));
    }
    return Missing(CString(FormatC("no control or toolbar button %u in the window", id).c_str()));
}

Result Boxes()
{
    CString out;
    for (const MessageBoxRequest& box : ShownMessageBoxes())
        out += HeadlessPrompts::FormatLine(box) + "\n";
    return Done(out);
}

Result Perform(const std::vector<CString>& a)
{
    if (a.size() < 2)
        return Refused("no verb");
    const CString& which = a[0];
    const CString& verb = a[1];
    size_t args = a.size() - 2;
    auto arg = [&](size_t i) -> const CString& { return a[2 + i]; };
    const WindowChannelVerb* known = FindWindowChannelVerb(verb.GetString());
    if (!known || args < known->args || args > known->args + known->optional)
        return Refused("no verb " + Quoted(verb) + " with " + CString(FormatC("%zu", args).c_str()) + " arguments");

    if (verb == "answer") {
        for (const ButtonName& b : kButtons) {
            if (arg(0).CompareNoCase(b.name) == 0) {
                AnswerMessageBox(b.id);
                return Done();
            }
        }
        return Refused("no button " + Quoted(arg(0)));
    }
    if (verb == "file") {
        FileDialogAnswer answer;
        answer.ok = arg(0) != "CANCEL";
        if (answer.ok)
            answer.path = arg(0);
        AnswerFileDialog(answer);
        return Done();
    }
    if (verb == "boxes")
        return Boxes();

    HWND root = FindWhich(which);
    if (!root)
        return Missing("no window " + Quoted(which));
    if (verb == "tree") {
        CString out;
        TreeLines(root, 0, out);
        return Done(out);
    }
    if (verb == "layout") {
        WindowBackend* backend = ActiveWindowBackend();
        if (!backend)
            return Refused("no window is shown on a display");
        return Done(CString(backend->LayoutReport(TopLevelOf(root)).c_str()));
    }
    if (verb == "close") {
        HWND top = TopLevelOf(root);
        return Acted(UserInput::CloseWindow(*CWnd::FromHandle(top)), top, Describe(top) + " has no close box");
    }
    if (verb == "key")
        return Key(root, arg(0), arg(1));
    if (verb == "drag")
        return Drag(root, a);

    if (!known->takesId)
        return Refused("no verb " + Quoted(verb) + " with " + CString(FormatC("%zu", args).c_str()) + " arguments");
    int id = 0;
    if (!ParseIndex(arg(0), id))
        return Refused("no control id " + Quoted(arg(0)));
    if (verb == "command")
        return Command(root, static_cast<UINT>(id));
    HWND hwnd = FindControl(root, static_cast<UINT>(id));
    if (!hwnd && verb == "where")
        return WhereCommand(root, static_cast<UINT>(id));
    if (!hwnd)
        return Missing("no control " + arg(0) + " in the window");
    CWnd& wnd = *CWnd::FromHandle(hwnd);
    if (verb == "get")
        return Get(hwnd);
    if (verb == "caption")
        return Done(Data(hwnd)->text);
    if (verb == "where")
        return Where(hwnd);
    if (verb == "items")
        return Items(hwnd);
    if (verb == "type")
        return Type(hwnd, arg(1));
    if (verb == "paste")
        return Paste(hwnd, arg(1));
    if (verb == "click")
        return Acted(UserInput::Click(wnd), hwnd, Describe(hwnd) + " is no button");
    if (verb == "pick-tree")
        return PickTree(hwnd, arg(1));
    int index = 0;
    if (!ParseIndex(arg(1), index))
        return Refused("no index " + Quoted(arg(1)));
    if (verb == "pick")
        return Acted(UserInput::SelectItem(wnd, index), hwnd, "no item " + arg(1) + " to pick");
    return Acted(UserInput::DoubleClickItem(wnd, index), hwnd, "no item " + arg(1) + " to double-click");
}

// ---- serving ----

// Whether a window or one of its shown children takes a person's input (a dialog of nothing but texts and a progress
// bar shows work that ends by itself).
bool TakesInput(HWND hwnd)
{
    WindowData* data = Data(hwnd);
    if (!data)
        return false;
    for (HWND child : data->children) {
        WindowData* c = Data(child);
        if (!c || !(c->style & WS_VISIBLE))
            continue;
        switch (c->kind) {
        case WindowKind::Static:
        case WindowKind::Progress: break;
        default:
            if (c->kind != WindowKind::Button || (c->style & BS_TYPEMASK) != BS_GROUPBOX)
                return true;
        }
        if (TakesInput(child))
            return true;
    }
    return false;
}

// Whether the modal loop running now waits for the person: a message box or file dialog, or a dialog with a control
// to use. The transfer to the drawing tool and the drawing's evaluation show progress only and end by themselves.
bool WaitsForPerson()
{
    if (PromptShown())
        return true;
    HWND active = FindWhich("active");
    WindowData* data = Data(active);
    return !data || data->kind != WindowKind::Dialog || TakesInput(active);
}

void WatchForModalLoop(const std::weak_ptr<Request>& weak)
{
    S().loop->WhenIdle([weak] {
        std::shared_ptr<Request> request = weak.lock();
        if (!request || request->answered || request->finished)
            return;
        // The action runs a modal loop that has run empty: a dialog or box is up and waits for the person.
        if (S().loop->ModalDepth() > request->depth && WaitsForPerson())
            Answer(request, Done());
        else
            WatchForModalLoop(weak);
    });
}

void Carry(const std::shared_ptr<Request>& request, const std::vector<std::string>& texts)
{
    std::vector<CString> args;
    for (const std::string& text : texts) {
        std::string bytes;
        if (!Utf8ToCp1252Exact(text, bytes)) {
            Answer(request, Refused("the text " + Quoted(Utf8ToCp1252(text)) + " has characters Windows-1252 cannot hold"));
            return;
        }
        args.emplace_back(bytes);
    }
    EventLoop& loop = *S().loop;
    request->depth = loop.ModalDepth();
    WatchForModalLoop(request);
    Result result = Perform(args);
    request->finished = true;
    request->result = result;
    if (!request->answered)
        loop.WhenIdle([request] { Answer(request, request->result); });
}

void DropReading(int fd)
{
    auto it = S().reading.find(fd);
    if (it == S().reading.end())
        return;
    S().loop->UnwatchFd(it->second.watch);
    S().reading.erase(it);
}

void OnReadable(int fd)
{
    auto it = S().reading.find(fd);
    if (it == S().reading.end())
        return;
    Reading& conn = it->second;
    bool open = conn.socket.ReadAvailable(conn.buffer);
    std::vector<std::string> texts;
    WindowChannelWire::Take taken = WindowChannelWire::TakeFrom(conn.buffer, texts);
    if (taken == WindowChannelWire::Take::NeedMore && open)
        return;
    if (taken != WindowChannelWire::Take::Frame) {
        DropReading(fd);
        return;
    }
    auto request = std::make_shared<Request>();
    request->socket = std::move(conn.socket);
    DropReading(fd);
    S().open.push_back(request);
    Carry(request, texts);
}

void OnListenerReadable()
{
    for (;;) {
        LocalSocket sock = S().listener.Accept();
        if (!sock.IsValid())
            return;
        if (S().reading.size() >= kMaxReading)
            continue;  // closed at once
        int fd = sock.Fd();
        Reading& conn = S().reading[fd];
        conn.socket = std::move(sock);
        conn.watch = S().loop->WatchFd(fd, POLLIN, [](int readyFd, short) { OnReadable(readyFd); });
    }
}

void TryListen()
{
    Server& s = S();
    if (!s.serving || s.listener.IsValid())
        return;
    s.listener = LocalSocket::Listen(WindowChannel::Address());
    if (s.listener.IsValid()) {
        if (s.retryTimer)
            s.loop->RemoveTimer(s.retryTimer);
        s.retryTimer = 0;
        s.watch = s.loop->WatchFd(s.listener.Fd(), POLLIN, [](int, short) { OnListenerReadable(); });
        return;
    }
    // Another instance of the program still serves the channel while it ends: take over once it let go.
    if (errno == EADDRINUSE && !s.retryTimer)
        s.retryTimer = s.loop->AddTimer(kListenRetry, [] { TryListen(); });
}

}  // namespace

std::string WindowChannel::Address()
{
    return LocalSocket::Address("channel", "windows");
}

void WindowChannel::Serve()
{
    Server& s = S();
    if (s.serving)
        return;
    s.serving = true;
    s.loop = &EventLoop::Current();
    if (!s.hooksAdded) {
        s.hooksAdded = true;
        AddExitHook(&AnswerAllOnExit);
        std::atexit(&AnswerAllOnExit);
    }
    TryListen();
}

void WindowChannel::Stop()
{
    Server& s = S();
    if (!s.serving)
        return;
    s.serving = false;
    if (s.retryTimer)
        s.loop->RemoveTimer(s.retryTimer);
    s.retryTimer = 0;
    if (s.watch)
        s.loop->UnwatchFd(s.watch);
    s.watch = 0;
    std::vector<int> fds;
    for (const auto& [fd, conn] : s.reading)
        fds.push_back(fd);
    for (int fd : fds)
        DropReading(fd);
    s.listener.Close();
}

}  // namespace platform
