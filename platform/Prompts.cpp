// The prompts in use, MessageBoxA and AfxMessageBox.
#include "platform/Prompts.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/HeadlessPrompts.h"
#include "platform/ResourceRegistry.h"
#include "platform/WindowBackend.h"

#include <deque>

namespace platform {

namespace {

Prompts* g_prompts = nullptr;
std::deque<int> g_boxAnswers;
std::deque<FileDialogAnswer> g_fileAnswers;
int g_promptsShown = 0;

// Counts a box or dialog the current prompts show for as long as they show it.
class ShownPrompt {
public:
    ShownPrompt() { ++g_promptsShown; }
    ~ShownPrompt() { --g_promptsShown; }
    ShownPrompt(const ShownPrompt&) = delete;
    ShownPrompt& operator=(const ShownPrompt&) = delete;
};

std::vector<MessageBoxRequest>& Shown()
{
    static std::vector<MessageBoxRequest> shown;
    return shown;
}

bool Headless()
{
    return &CurrentPrompts() == &HeadlessPrompts::Instance();
}

}  // namespace

Prompts& CurrentPrompts()
{
    return g_prompts ? *g_prompts : HeadlessPrompts::Instance();
}

void SetPrompts(Prompts* prompts)
{
    g_prompts = prompts;
}

bool PromptShown()
{
    return g_promptsShown > 0;
}

int ShowMessageBox(const MessageBoxRequest& request)
{
    Shown().push_back(request);
    if (g_boxAnswers.empty()) {
        ShownPrompt shown;
        return CurrentPrompts().ShowMessageBox(request);
    }
    int answer = g_boxAnswers.front();
    g_boxAnswers.pop_front();
    if (Headless())
        return HeadlessPrompts::Instance().ShowAnswered(request, answer);
    return answer;
}

FileDialogAnswer ShowFileDialog(const FileDialogRequest& request)
{
    if (g_fileAnswers.empty()) {
        ShownPrompt shown;
        return CurrentPrompts().ShowFileDialog(request);
    }
    FileDialogAnswer answer = g_fileAnswers.front();
    g_fileAnswers.pop_front();
    if (Headless())
        return HeadlessPrompts::Instance().ShowAnswered(request, answer);
    return answer;
}

void AnswerMessageBox(int button)
{
    if (!CurrentPrompts().EndShownMessageBox(button))
        g_boxAnswers.push_back(button);
}

void AnswerFileDialog(const FileDialogAnswer& answer)
{
    if (!CurrentPrompts().EndShownFileDialog(answer))
        g_fileAnswers.push_back(answer);
}

void ForgetPendingAnswers()
{
    g_boxAnswers.clear();
    g_fileAnswers.clear();
}

const std::vector<MessageBoxRequest>& ShownMessageBoxes()
{
    return Shown();
}

}  // namespace platform

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    platform::EnsureWindowBackend();
    platform::MessageBoxRequest request {owner, text ? text : "", caption ? caption : "Error", type};
    return platform::ShowMessageBox(request);
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
