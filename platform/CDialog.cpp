// Modal dialogs of the window model.
#include "platform/CDialog.h"

#include "platform/CButton.h"
#include "platform/CWinApp.h"
#include "platform/Cp1252.h"
#include "platform/EventLoop.h"
#include "platform/ResourceRegistry.h"

#include <cstdio>
#include <deque>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

std::deque<std::function<void(CDialog&)>>& PendingActions()
{
    static std::deque<std::function<void(CDialog&)>> actions;
    return actions;
}

// The first shown, enabled control with WS_TABSTOP, in creation order.
HWND FirstTabStop(HWND dialog)
{
    platform::WindowData* data = platform::FindWindowData(dialog);
    for (HWND child : data->children) {
        platform::WindowData* c = platform::FindWindowData(child);
        if ((c->style & WS_TABSTOP) && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED))
            return child;
    }
    return nullptr;
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

void CDialog::WhenNextDialogRuns(std::function<void(CDialog&)> action)
{
    PendingActions().push_back(std::move(action));
}

void CDialog::ClearPendingDialogActions()
{
    PendingActions().clear();
}

INT_PTR CDialog::DoModal()
{
    const platform::DialogTemplate* dialogTemplate = platform::ResourceRegistry::Instance().Dialog(m_templateId);
    if (!dialogTemplate || m_hWnd) {
        std::fprintf(stderr, "dialog %u: no template\n", m_templateId);
        return -1;
    }
    CWnd* owner = m_pParentWnd ? m_pParentWnd->GetTopLevelParent() : nullptr;
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd && AfxGetApp()->m_pMainWnd->IsWindow())
        owner = AfxGetApp()->m_pMainWnd;
    HWND ownerHwnd = owner ? owner->m_hWnd : nullptr;
    bool disabledOwner = owner && owner->IsWindowEnabled();
    if (disabledOwner)
        owner->EnableWindow(FALSE);

    CRect rect = platform::DialogUnitsToPixels(platform::DialogRect {0, 0, dialogTemplate->rect.cx,
                                                                     dialogTemplate->rect.cy});
    m_running = true;
    m_ended = false;
    m_result = -1;
    bool created = CreateModelWindow(platform::WindowKind::Dialog, dialogTemplate->caption,
                                     (dialogTemplate->style | WS_POPUP) & ~(WS_VISIBLE | WS_CHILD), 0, rect, nullptr,
                                     0, nullptr, nullptr, ownerHwnd) &&
                   platform::CreateTemplateControls(this, *dialogTemplate);
    if (created) {
        CenterWindow();
        if (OnInitDialog() && m_hWnd) {
            if (HWND first = FirstTabStop(m_hWnd))
                platform::SetFocusWindow(first);
        }
    }
    HWND self = m_hWnd;
    if (created && !m_ended && self) {
        ShowWindow(SW_SHOW);
        if (!PendingActions().empty()) {
            std::function<void(CDialog&)> action = std::move(PendingActions().front());
            PendingActions().pop_front();
            platform::EventLoop::Current().Post([this, self, action] {
                if (platform::FindWindowData(self) && IsRunningModal())
                    action(*this);
            });
        }
        platform::EventLoop::Current().RunUntil(
            [this, self] { return m_ended || platform::QuitRequested() || !platform::FindWindowData(self); }, true);
        if (!m_ended) {
            if (platform::QuitRequested()) {
                m_result = -1;
            } else {
                CString caption;
                GetWindowText(caption);
                std::string line = platform::Cp1252ToUtf8(caption.str());
                std::fprintf(stderr, "%s\tdialog ended: nobody can answer it\n", line.c_str());
                m_result = IDCANCEL;
            }
        }
    } else if (!created) {
        m_result = -1;
    }
    m_running = false;
    if (disabledOwner && owner->IsWindow())
        owner->EnableWindow(TRUE);
    if (m_hWnd)
        DestroyWindow();
    if (owner && owner->IsWindow() && owner->IsWindowVisible())
        owner->SetActiveWindow();
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

int CDialog::GetDefaultButtonId() const
{
    platform::WindowData* data = Data();
    if (data)
        for (HWND child : data->children) {
            platform::WindowData* c = platform::FindWindowData(child);
            if (c->kind == platform::WindowKind::Button && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                return static_cast<int>(c->id);
        }
    return IDOK;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        // The close box cancels, as Escape does.
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}
