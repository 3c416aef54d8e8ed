// The prompts in use, MessageBoxA and AfxMessageBox.
#include "platform/Prompts.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/HeadlessPrompts.h"
#include "platform/ResourceRegistry.h"
#include "platform/WindowBackend.h"

namespace platform {

namespace {
Prompts* g_prompts = nullptr;
}

Prompts& CurrentPrompts()
{
    return g_prompts ? *g_prompts : HeadlessPrompts::Instance();
}

void SetPrompts(Prompts* prompts)
{
    g_prompts = prompts;
}

}  // namespace platform

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    platform::EnsureWindowBackend();
    platform::MessageBoxRequest request {owner, text ? text : "", caption ? caption : "Error", type};
    return platform::CurrentPrompts().ShowMessageBox(request);
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    CWnd* owner = CWnd::GetActiveWindow();
    if (!owner && AfxGetApp())
        owner = AfxGetApp()->m_pMainWnd;
    return MessageBoxA(owner ? owner->m_hWnd : nullptr, text, AfxGetAppName(), type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId)
{
    return AfxMessageBox(platform::ResourceRegistry::Instance().String(promptId), type, helpId);
}
