// Message boxes and file dialogs without a display: they never block.
//
// A message box writes one line "caption<TAB>flags<TAB>text" to standard error (flags as 0x%04X; backslash, tab,
// carriage return and line feed of caption and text escaped as \\, \t, \r and \n; UTF-8 on the terminal), is kept in
// the capture list, and answers its default button: IDOK for a box with an OK button, IDYES for a yes/no box (the
// second or third button with MB_DEFBUTTON2/3), IDABORT or IDRETRY likewise. A file dialog writes one line
// "file dialog<TAB>open|save<TAB>filter<TAB>folder<TAB>name" and cancels. An answer given from outside
// (platform::AnswerMessageBox, Prompts.h) comes first; the box is logged and captured all the same.
#pragma once

#include "platform/Prompts.h"

#include <vector>

namespace platform {

class HeadlessPrompts : public Prompts {
public:
    static HeadlessPrompts& Instance();

    int ShowMessageBox(const MessageBoxRequest& request) override;
    FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) override;

    // Logs and captures a box or dialog that was answered before it was shown (platform::ShowMessageBox), and gives
    // that answer.
    int ShowAnswered(const MessageBoxRequest& request, int answer);
    FileDialogAnswer ShowAnswered(const FileDialogRequest& request, const FileDialogAnswer& answer);

    const std::vector<MessageBoxRequest>& MessageBoxes() const { return m_boxes; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return m_fileDialogs; }
    // Forgets the captured boxes and dialogs.
    void Clear();

    // The line written for a message box, without the line end.
    static CString FormatLine(const MessageBoxRequest& request);
    static int DefaultAnswer(UINT flags);

private:
    std::vector<MessageBoxRequest> m_boxes;
    std::vector<FileDialogRequest> m_fileDialogs;
};

}  // namespace platform
