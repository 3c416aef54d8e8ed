// Dialog templates of the window-model tests and the host window that records every notification it receives.
#pragma once

#include "platform/CDataExchange.h"
#include "platform/CWnd.h"
#include "platform/DialogTemplate.h"

#include <string>
#include <vector>

namespace windowtest {

// Template ids and control ids of the test templates.
constexpr UINT IDD_ALL_CONTROLS = 9001;
constexpr UINT IDD_SMALL = 9002;
constexpr UINT IDD_FORM = 9003;

constexpr UINT IDC_PUSH = 101;
constexpr UINT IDC_AUTOCHECK = 102;
constexpr UINT IDC_MANUALCHECK = 103;
constexpr UINT IDC_RADIO_A = 110;
constexpr UINT IDC_RADIO_B = 111;
constexpr UINT IDC_RADIO_C = 112;
constexpr UINT IDC_RADIO_OTHER = 113;
constexpr UINT IDC_GROUPBOX = 120;
constexpr UINT IDC_LABEL = 130;
constexpr UINT IDC_EDIT = 140;
constexpr UINT IDC_MULTILINE = 141;
constexpr UINT IDC_NUMBER = 142;
constexpr UINT IDC_COMBO = 150;
constexpr UINT IDC_SORTED_COMBO = 151;
constexpr UINT IDC_LIST = 160;
constexpr UINT IDC_QUIET_LIST = 161;
constexpr UINT IDC_TAB = 170;
constexpr UINT IDC_TREE = 180;
constexpr UINT IDC_ROWS = 190;
constexpr UINT IDC_PROGRESS = 200;

// Registers the test templates with the resource registry (idempotent).
void RegisterTestTemplates();

// A shown top-level window holding the controls of IDD_ALL_CONTROLS; it records each notification as
// "<id>:<code>/<state of the control when it arrived>", and exchanges its members with DoDataExchange.
class RecordingHost : public CWnd {
public:
    RecordingHost();
    ~RecordingHost() override;

    std::vector<std::string> trace;
    std::string Trace() const;  // the trace joined by blanks

    // Exchanged by DoDataExchange.
    CString m_text;
    int m_check = 0;
    int m_radio = -1;
    int m_comboIndex = -1;

    void DoDataExchange(CDataExchange* dx) override;

protected:
    void Record(UINT id, const char* code);
    void OnButton(UINT id);
    void OnSelEndOk(UINT id);
    void OnSelChange(UINT id);
    void OnSelEndCancel(UINT id);
    void OnDropDown(UINT id);
    void OnCloseUp(UINT id);
    void OnEditUpdate(UINT id);
    void OnEditChange(UINT id);
    void OnEditMaxText(UINT id);
    void OnListSelChange(UINT id);
    void OnListDblClk(UINT id);
    void OnNotifyEvent(UINT id, NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};

}  // namespace windowtest
