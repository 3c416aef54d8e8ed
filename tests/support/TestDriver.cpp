// The test driver of the window model: acts through platform::UserInput and answers prompts through the queue the
// window channel also uses (platform::AnswerMessageBox).
#include "support/TestDriver.h"

#include "platform/BoundControl.h"
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CFrameWnd.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CProgressCtrl.h"
#include "platform/CTabCtrl.h"
#include "platform/CToolBar.h"
#include "platform/EventLoop.h"
#include "platform/UserInput.h"

namespace platform {

TestDriver::TestDriver()
{
    ClearPrompts();
    CDialog::ClearPendingDialogActions();
}

TestDriver::~TestDriver()
{
    ClearPrompts();
    CDialog::ClearPendingDialogActions();
}

CWnd* TestDriver::Find(CWnd& window, UINT id)
{
    if (CWnd* child = window.GetDlgItem(static_cast<int>(id)))
        return child;
    WindowData* data = FindWindowData(window.m_hWnd);
    if (!data)
        return nullptr;
    for (HWND child : data->children)
        if (CWnd* found = Find(*CWnd::FromHandle(child), id))
            return found;
    return nullptr;
}

bool TestDriver::Click(CWnd& window, UINT id)
{
    CWnd* control = Find(window, id);
    return control && UserInput::Click(*control);
}

bool TestDriver::Select(CWnd& window, UINT id, int index)
{
    CWnd* control = Find(window, id);
    return control && UserInput::SelectItem(*control, index);
}

bool TestDriver::DoubleClick(CWnd& window, UINT id, int index)
{
    CWnd* control = Find(window, id);
    return control && UserInput::DoubleClickItem(*control, index);
}

bool TestDriver::Type(CWnd& window, UINT id, const CString& text)
{
    CWnd* control = Find(window, id);
    return control && UserInput::TypeText(*control, text);
}

bool TestDriver::Replace(CWnd& window, UINT id, const CString& text)
{
    CWnd* control = Find(window, id);
    return control && UserInput::ReplaceText(*control, text);
}

bool TestDriver::Key(CWnd& window, UINT id, UINT key, UINT modifiers)
{
    CWnd* control = Find(window, id);
    return control && UserInput::PressKey(*control, key, modifiers);
}

bool TestDriver::PressKey(CWnd& target, UINT key, UINT modifiers)
{
    return UserInput::PressKey(target, key, modifiers);
}

namespace {

CToolBar* ToolBarWith(CFrameWnd& frame, UINT commandId, int& index)
{
    WindowData* data = FindWindowData(frame.m_hWnd);
    if (!data)
        return nullptr;
    for (HWND child : data->children) {
        if (FindWindowData(child)->kind != WindowKind::ToolBar)
            continue;
        auto* bar = dynamic_cast<CToolBar*>(CWnd::FromHandle(child));
        if (bar && (index = bar->CommandToIndex(commandId)) >= 0)
            return bar;
    }
    return nullptr;
}

}  // namespace

bool TestDriver::PressToolbarButton(CFrameWnd& frame, UINT commandId)
{
    int index = -1;
    CToolBar* bar = ToolBarWith(frame, commandId, index);
    return bar && UserInput::PressToolbarButton(*bar, index);
}

bool TestDriver::ToolbarButtonEnabled(CFrameWnd& frame, UINT commandId)
{
    frame.UpdateCommandUI();
    int index = -1;
    CToolBar* bar = ToolBarWith(frame, commandId, index);
    return bar && bar->IsButtonEnabled(index);
}

CString TestDriver::Text(CWnd& window, UINT id)
{
    CString text;
    if (CWnd* control = Find(window, id))
        control->GetWindowText(text);
    return text;
}

int TestDriver::CurSel(CWnd& window, UINT id)
{
    CWnd* control = Find(window, id);
    WindowData* data = control ? FindWindowData(control->m_hWnd) : nullptr;
    if (!data)
        return -1;
    switch (data->kind) {
    case WindowKind::ComboBox: return BoundControl<CComboBox>(control->m_hWnd)->GetCurSel();
    case WindowKind::ListBox: return BoundControl<CListBox>(control->m_hWnd)->GetCurSel();
    case WindowKind::Tab: return BoundControl<CTabCtrl>(control->m_hWnd)->GetCurSel();
    case WindowKind::ListView: return BoundControl<CListCtrl>(control->m_hWnd)->GetNextItem(-1, LVNI_SELECTED);
    default: return -1;
    }
}

int TestDriver::Check(CWnd& window, UINT id)
{
    CWnd* control = Find(window, id);
    WindowData* data = control ? FindWindowData(control->m_hWnd) : nullptr;
    if (!data || data->kind != WindowKind::Button)
        return -1;
    return BoundControl<CButton>(control->m_hWnd)->GetCheck();
}

bool TestDriver::Enabled(CWnd& window, UINT id)
{
    CWnd* control = Find(window, id);
    return control && control->IsWindowEnabled();
}

bool TestDriver::Visible(CWnd& window, UINT id)
{
    CWnd* control = Find(window, id);
    return control && (control->GetStyle() & WS_VISIBLE);
}

std::vector<CString> TestDriver::Items(CWnd& window, UINT id)
{
    std::vector<CString> items;
    CWnd* control = Find(window, id);
    WindowData* data = control ? FindWindowData(control->m_hWnd) : nullptr;
    if (!data)
        return items;
    CString text;
    if (data->kind == WindowKind::ComboBox) {
        BoundControl<CComboBox> combo(control->m_hWnd);
        for (int i = 0; i < combo->GetCount(); ++i) {
            combo->GetLBText(i, text);
            items.push_back(text);
        }
    } else if (data->kind == WindowKind::ListBox) {
        BoundControl<CListBox> list(control->m_hWnd);
        for (int i = 0; i < list->GetCount(); ++i) {
            list->GetText(i, text);
            items.push_back(text);
        }
    } else if (data->kind == WindowKind::Tab) {
        BoundControl<CTabCtrl> tab(control->m_hWnd);
        for (int i = 0; i < tab->GetItemCount(); ++i)
            items.push_back(tab->GetItemText(i));
    } else if (data->kind == WindowKind::ListView) {
        BoundControl<CListCtrl> list(control->m_hWnd);
        for (int i = 0; i < list->GetItemCount(); ++i)
            items.push_back(list->GetItemText(i, 0));
    }
    return items;
}

int TestDriver::Pos(CWnd& window, UINT id)
{
    CWnd* control = Find(window, id);
    WindowData* data = control ? FindWindowData(control->m_hWnd) : nullptr;
    if (!data || data->kind != WindowKind::Progress)
        return -1;
    return BoundControl<CProgressCtrl>(control->m_hWnd)->GetPos();
}

void TestDriver::AnswerNextMessageBox(int answer)
{
    AnswerMessageBox(answer);
}

void TestDriver::AnswerNextFileDialog(const CString& path)
{
    FileDialogAnswer answer;
    answer.ok = true;
    answer.path = path;
    AnswerFileDialog(answer);
}

void TestDriver::CancelNextFileDialog()
{
    AnswerFileDialog(FileDialogAnswer {});
}

const std::vector<MessageBoxRequest>& TestDriver::MessageBoxes() const
{
    return HeadlessPrompts::Instance().MessageBoxes();
}

const std::vector<FileDialogRequest>& TestDriver::FileDialogs() const
{
    return HeadlessPrompts::Instance().FileDialogs();
}

void TestDriver::ClearPrompts()
{
    HeadlessPrompts::Instance().Clear();
    ForgetPendingAnswers();
}

void TestDriver::WhenDialogRuns(std::function<void(CDialog&)> action)
{
    CDialog::WhenNextDialogRuns(std::move(action));
}

void TestDriver::RunPending()
{
    EventLoop& loop = EventLoop::Current();
    for (int pass = 0; pass < 1000 && loop.RunOnce(std::chrono::milliseconds(0)); ++pass) {
    }
}

bool TestDriver::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    EventLoop& loop = EventLoop::Current();
    auto end = std::chrono::steady_clock::now() + timeout;
    while (!done() && std::chrono::steady_clock::now() < end)
        loop.RunOnce(std::chrono::milliseconds(5));
    return done();
}

}  // namespace platform
