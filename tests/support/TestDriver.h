// A test driver for the window model: acts as a user on controls by id, scripts the answers of message boxes and
// file dialogs, runs actions inside modal dialogs, and reads every control back. Part of the test-support library
// (platform_testing), never of the program.
//
// Typical use:
//
//     platform::TestDriver driver;                        // forgets earlier captures and scripts
//     driver.AnswerNextMessageBox(IDNO);
//     driver.WhenDialogRuns([&](CDialog& dlg) {           // runs inside the dialog's modal loop
//         driver.Select(dlg, IDC_LIST, 2);
//         driver.Click(dlg, IDOK);
//     });
//     EXPECT_EQ(form.OpenSomething(), IDOK);
//     EXPECT_EQ(driver.Text(form, IDC_NAME), "...");
//     ASSERT_EQ(driver.MessageBoxes().size(), 1u);
//
// Every action goes through platform::UserInput and returns false when a user could not have done it (a disabled or
// hidden control, an item that is not there), so tests can assert that a disabled command does nothing.
#pragma once

#include "platform/HeadlessPrompts.h"
#include "platform/WindowTypes.h"

#include <chrono>
#include <functional>
#include <vector>

class CDialog;
class CFrameWnd;
class CWnd;

namespace platform {

class TestDriver {
public:
    TestDriver();
    ~TestDriver();
    TestDriver(const TestDriver&) = delete;
    TestDriver& operator=(const TestDriver&) = delete;

    // The control with the id among window's descendants (children first), or null.
    static CWnd* Find(CWnd& window, UINT id);

    // User actions on the control with the id.
    bool Click(CWnd& window, UINT id);
    bool Select(CWnd& window, UINT id, int index);
    bool DoubleClick(CWnd& window, UINT id, int index);
    bool Type(CWnd& window, UINT id, const CString& text);
    bool Replace(CWnd& window, UINT id, const CString& text);
    bool Key(CWnd& window, UINT id, UINT key, UINT modifiers = 0);
    // The first toolbar button of the frame with the command id.
    bool PressToolbarButton(CFrameWnd& frame, UINT commandId);
    bool PressKey(CWnd& target, UINT key, UINT modifiers = 0);

    // Reading controls back ("" or -1 when there is no such control).
    CString Text(CWnd& window, UINT id);
    int CurSel(CWnd& window, UINT id);
    int Check(CWnd& window, UINT id);
    bool Enabled(CWnd& window, UINT id);
    bool Visible(CWnd& window, UINT id);
    std::vector<CString> Items(CWnd& window, UINT id);
    int Pos(CWnd& window, UINT id);
    // Whether the frame's toolbar button with the command id is enabled, after the update handlers ran.
    bool ToolbarButtonEnabled(CFrameWnd& frame, UINT commandId);

    // Prompts.
    void AnswerNextMessageBox(int answer);
    void AnswerNextFileDialog(const CString& path);
    void CancelNextFileDialog();
    const std::vector<MessageBoxRequest>& MessageBoxes() const;
    const std::vector<FileDialogRequest>& FileDialogs() const;
    void ClearPrompts();

    // The next modal dialog that starts runs action inside its modal loop (one action per dialog, in order).
    void WhenDialogRuns(std::function<void(CDialog&)> action);

    // Runs the event loop without waiting until nothing is ready.
    void RunPending();
    // Runs the event loop until done is true or the time-out passed; returns done().
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
};

}  // namespace platform
