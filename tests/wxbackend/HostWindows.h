// The windows of the backend's test host and benchmark: a frame with a left toolbar, a status bar and a form view
// that holds one control of every kind, and a small modal dialog. The view prints every notification it receives
// ("notify <id> <code>"), so a test sees what reached the model.
#pragma once

#include "platform/WindowModel.h"

namespace wxhost {

constexpr UINT IDD_HOST_FORM = 9101;
constexpr UINT IDD_HOST_DIALOG = 9102;
constexpr UINT IDR_HOST_TOOLBAR = 9103;
constexpr UINT ID_CMD_FIRST = 33001;
constexpr UINT ID_CMD_SECOND = 33002;
constexpr UINT ID_CMD_THIRD = 33003;

constexpr UINT IDC_TITLE = 1000;
constexpr UINT IDC_NAME = 1001;
constexpr UINT IDC_APPLY = 1002;
constexpr UINT IDC_NOTES = 1003;
constexpr UINT IDC_CHECK = 1004;
constexpr UINT IDC_RADIO_A = 1005;
constexpr UINT IDC_RADIO_B = 1006;
constexpr UINT IDC_GROUP = 1007;
constexpr UINT IDC_CHOICE = 1008;
constexpr UINT IDC_LIST = 1009;
constexpr UINT IDC_TREE = 1010;
constexpr UINT IDC_ROWS = 1011;
constexpr UINT IDC_TABS = 1012;
constexpr UINT IDC_PROGRESS = 1013;
constexpr UINT IDC_COLOURED = 1014;
constexpr UINT IDC_DIALOG_EDIT = 1020;

// The number of controls the form holds (the benchmark's plain wx program shows as many).
constexpr int kFormControls = 15;
constexpr const char* kFrameTitle = "wxhost frame";

void RegisterHostResources();

class HostFrame : public CFrameWnd {
public:
    int OnCreate(LPCREATESTRUCT createStruct);
    void OnClose();
    void OnCommandFirst();
    CToolBar m_toolBar;
    CStatusBar m_statusBar;

protected:
    DECLARE_MESSAGE_MAP()
};

class HostView : public CFormView {
public:
    HostView() : CFormView(IDD_HOST_FORM) {}
    void OnInitialUpdate() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

// Creates and shows the frame with its view; the frame deletes itself when closed.
HostFrame* ShowHostFrame();
// Another form of the host's template in the frame, hidden, with its progress bar moved to the position by code.
CView* CreateHiddenForm(HostFrame* frame, int progress);
// Switches the form in as the program switches its forms: the child ids exchanged, the old form hidden.
void SwitchForm(HostFrame* frame, CView* form);

}  // namespace wxhost
