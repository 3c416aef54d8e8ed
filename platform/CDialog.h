// CDialog: a modal dialog built from a dialog template.
//
// DoModal creates the dialog and its controls from the template (the owner is the parent's top-level window, or the
// application's main window when no parent is given, and is disabled while the dialog runs), calls OnInitDialog
// before the dialog is shown, shows it, and runs a nested modal loop of the event loop (timers, posted messages and
// watched descriptors keep being served; a WM_CLOSE posted meanwhile waits for the loop's end) until EndDialog. It
// returns EndDialog's result, -1 when the template is missing or a quit request ended the loop, and IDCANCEL when
// nothing could ever end the loop (no timer, task, watched descriptor or window backend left), so such a headless
// run never blocks.
// IDOK and IDCANCEL commands (the OK and Cancel buttons, Enter on the default button, Escape, the close box) call
// OnOK and OnCancel. OnInitDialog's base exchanges the data into the controls; OnOK's base reads them back and ends
// with IDOK unless the exchange fails; OnCancel's base ends with IDCANCEL without exchanging.
#pragma once

#include "platform/CWnd.h"

#include <functional>

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Ends the modal loop with result; the dialog is destroyed when DoModal returns.
    void EndDialog(int result);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    UINT GetTemplateId() const { return m_templateId; }
    bool IsRunningModal() const { return m_running && !m_ended; }
    // The id of the default push button (BS_DEFPUSHBUTTON), or IDOK when the dialog has none.
    int GetDefaultButtonId() const;

    // Actions for tests and tools: each modal dialog that starts takes the next action and runs it as a posted task
    // inside its own modal loop.
    static void WhenNextDialogRuns(std::function<void(CDialog&)> action);
    static void ClearPendingDialogActions();

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_templateId;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    bool m_running = false;
    bool m_ended = false;
    int m_result = -1;
};
