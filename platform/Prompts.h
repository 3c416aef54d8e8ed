// The one place message boxes and file dialogs go through.
//
// By default the headless prompts answer (platform/HeadlessPrompts.h): nothing ever blocks. The window backend
// installs prompts that show real boxes in a nested modal loop.
#pragma once

#include "platform/CString.h"
#include "platform/WindowTypes.h"

#include <vector>

namespace platform {

struct MessageBoxRequest {
    HWND owner;
    CString text;
    CString caption;
    UINT flags;
};

struct FileDialogRequest {
    bool open;           // an open dialog, else a save dialog
    CString defaultExtension;
    CString fileName;    // preset name
    DWORD flags;         // OFN_*
    CString filter;      // "description|pattern|...||"
    CString initialDir;
    CString title;
    HWND owner;
};

struct FileDialogAnswer {
    bool ok = false;
    CString path;        // full path as chosen, before the default extension is added
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // Returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO, ...).
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) = 0;

    // Ends the message box or file dialog that these prompts show right now, as if the person had pressed the
    // button or chosen the answer (a driver acting from outside the process). Returns false when none is shown;
    // prompts that answer at once never show one.
    virtual bool EndShownMessageBox(int /*button*/) { return false; }
    virtual bool EndShownFileDialog(const FileDialogAnswer& /*answer*/) { return false; }
};

Prompts& CurrentPrompts();
// Installs other prompts; null goes back to the headless ones.
void SetPrompts(Prompts* prompts);

// The one way the program shows a message box or a file dialog. Every message box is recorded. An answer queued from
// outside (below) answers the next one at once, in the order queued; otherwise the current prompts show it (headless:
// answered at once with the default button or cancelled, see HeadlessPrompts.h). Headless prompts still log and
// capture a box or dialog answered from the queue.
int ShowMessageBox(const MessageBoxRequest& request);
FileDialogAnswer ShowFileDialog(const FileDialogRequest& request);

// Answers from outside the process (the window channel), as a person would give them: the message box or file dialog
// shown right now is ended with the answer; when none is shown, the answer waits for the next one.
void AnswerMessageBox(int button);
void AnswerFileDialog(const FileDialogAnswer& answer);
// Forgets the answers from outside that no box or dialog has taken yet.
void ForgetPendingAnswers();

// Whether a message box or file dialog is being shown now and waits for its answer.
bool PromptShown();
// Every message box shown so far in this process, in order.
const std::vector<MessageBoxRequest>& ShownMessageBoxes();

}  // namespace platform

// owner may be null. With MB_SYSTEMMODAL or MB_TASKMODAL every window of the process waits for the answer.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// The application's name as caption; the owner is the active window or the main window.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = 0);
