// Edit fields of the window model.
#include "platform/CEdit.h"

#include <algorithm>
#include <cctype>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace {

constexpr int kDefaultLimit = 32767;
constexpr int kLargestLimit = 0x7FFFFFFE;

struct EditState : platform::ControlState {
    int selStart = 0;
    int selEnd = 0;
    int limit = kDefaultLimit;
    bool modified = false;

    void TextSetByCode(HWND hwnd) override
    {
        selStart = selEnd = 0;
        modified = false;
        platform::WindowData* data = platform::FindWindowData(hwnd);
        if (data && !(data->style & ES_MULTILINE)) {
            platform::SendCommandNotification(hwnd, EN_UPDATE);
            platform::SendCommandNotification(hwnd, EN_CHANGE);
        }
    }
};

}  // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateModelWindow(platform::WindowKind::Edit, "", style | WS_CHILD, 0, rect, parent, id,
                             std::make_unique<EditState>());
}

void CEdit::LimitText(int maxChars)
{
    if (auto* state = StateAs<EditState>()) {
        state->limit = maxChars <= 0 ? kLargestLimit : maxChars;
        platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Style);
    }
}

UINT CEdit::GetLimitText() const
{
    auto* state = StateAs<EditState>();
    return state ? static_cast<UINT>(state->limit) : 0;
}

void CEdit::SetSel(int start, int end, BOOL)
{
    auto* state = StateAs<EditState>();
    if (!state)
        return;
    int length = Data()->text.GetLength();
    if (start < 0) {
        state->selStart = state->selEnd;
    } else {
        if (end < 0 || end > length)
            end = length;
        start = std::min(start, length);
        state->selStart = std::min(start, end);
        state->selEnd = std::max(start, end);
    }
    platform::NotifyWindowChanged(m_hWnd, platform::WindowChange::Selection);
}

void CEdit::GetSel(int& start, int& end) const
{
    auto* state = StateAs<EditState>();
    start = state ? state->selStart : 0;
    end = state ? state->selEnd : 0;
}

DWORD CEdit::GetSel() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end));
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL)
{
    Insert(text ? text : "", true);
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    return ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0) || m_hWnd;
}

BOOL CEdit::GetModify() const
{
    auto* state = StateAs<EditState>();
    return state && state->modified;
}

void CEdit::SetModify(BOOL modified)
{
    if (auto* state = StateAs<EditState>())
        state->modified = modified != FALSE;
}

int CEdit::GetLineCount() const
{
    platform::WindowData* data = Data();
    if (!data)
        return 0;
    int lines = 1;
    for (int i = 0; i < data->text.GetLength(); ++i)
        if (data->text[i] == '\n')
            ++lines;
    return lines;
}

bool CEdit::Insert(const CString& text, bool notify)
{
    platform::WindowData* data = Data();
    auto* state = StateAs<EditState>();
    if (!data || !state)
        return false;
    CString& current = data->text;
    int start = std::min(state->selStart, current.GetLength());
    int end = std::min(state->selEnd, current.GetLength());
    current = current.Left(start) + text + current.Mid(end);
    state->selStart = state->selEnd = start + text.GetLength();
    state->modified = true;
    HWND hwnd = m_hWnd;
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Text);
    platform::NotifyWindowChanged(hwnd, platform::WindowChange::Selection);
    if (notify) {
        platform::SendCommandNotification(hwnd, EN_UPDATE);
        platform::SendCommandNotification(hwnd, EN_CHANGE);
    }
    return true;
}

bool CEdit::UserType(const CString& text)
{
    platform::WindowData* data = Data();
    if (!data || (data->style & ES_READONLY))
        return false;
    bool any = false;
    for (int i = 0; i < text.GetLength() && Data(); ++i) {
        char c = text[i];
        CString piece(c);
        DWORD style = Data()->style;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.GetLength() && text[i + 1] == '\n')
                ++i;
            if (!(style & ES_MULTILINE) || !(style & ES_WANTRETURN))
                continue;
            piece = "\r\n";
        } else if ((style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(c))) {
            continue;
        } else if (style & ES_UPPERCASE) {
            piece.MakeUpper();
        } else if (style & ES_LOWERCASE) {
            piece.MakeLower();
        }
        auto* state = StateAs<EditState>();
        int selected = state->selEnd - state->selStart;
        if (Data()->text.GetLength() - selected + piece.GetLength() > state->limit) {
            platform::SendCommandNotification(m_hWnd, EN_MAXTEXT);
            continue;
        }
        any |= Insert(piece, true);
    }
    return any;
}

bool CEdit::UserPaste(const CString& text)
{
    platform::WindowData* data = Data();
    auto* state = StateAs<EditState>();
    if (!data || !state || (data->style & ES_READONLY))
        return false;
    CString piece = text;
    if (!(data->style & ES_MULTILINE)) {
        int lineEnd = piece.FindOneOf("\r\n");
        if (lineEnd >= 0)
            piece = piece.Left(lineEnd);
    }
    int room = state->limit - (data->text.GetLength() - (state->selEnd - state->selStart));
    if (room < piece.GetLength()) {
        piece = piece.Left(std::max(room, 0));
        platform::SendCommandNotification(m_hWnd, EN_MAXTEXT);
    }
    return Insert(piece, true);
}

bool CEdit::UserDelete(bool forward)
{
    platform::WindowData* data = Data();
    auto* state = StateAs<EditState>();
    if (!data || !state || (data->style & ES_READONLY))
        return false;
    const CString& text = data->text;
    if (state->selStart == state->selEnd) {
        int at = state->selStart;
        if (forward) {
            if (at >= text.GetLength())
                return false;
            state->selEnd = at + (text.Mid(at, 2) == "\r\n" ? 2 : 1);
        } else {
            if (at <= 0)
                return false;
            state->selStart = at - (at >= 2 && text.Mid(at - 2, 2) == "\r\n" ? 2 : 1);
        }
    }
    return Insert("", true);
}
