// CDatentransferDlg: hands one command text to the drawing tool by DDE and waits for its acknowledgement.
//
// The dialog pokes "sendtcl§<path>" or "settext§<id>§<text>" asynchronously to the drawing tool's service "vorna"
// (topic "set", item "object"), closes that conversation at once, and then waits, on a chain of one-shot 10 ms
// timers, until the drawing tool has poked "ack" to the program's own server and closed its conversation with it
// (the server's DdeState, which the dialog is given); it gives up after 800 polls. Budget and ticks are the product's unless a caller (a test) gives others. The program's server runs on the same event loop between the timer events.
#pragma once

#include "link/StartContext.h"
#include "platform/CDialog.h"
#include "platform/CProgressCtrl.h"
#include "platform/Ddeml.h"

class CDatentransferDlg : public CDialog {
public:
    // Status of a send.
    enum Status {
        kSent = 0,
        kNoClient = 1,
        kNoConnection = 2,
        kNoData = 3,
        kNoConversation = 4,
        kDisconnectFailed = 5,
    };

    // The poll budget and the ticks of the timer chain, in milliseconds.
    struct Timing {
        int maxPolls = 800;
        UINT sendMs = 5;    // from the dialog's start to the send
        UINT pollMs = 10;   // between two looks for the "ack"
        UINT closeMs = 10;  // each of the two closing ticks
    };

    // The server's state must outlive the dialog.
    explicit CDatentransferDlg(DdeState& server, CWnd* parent = nullptr);
    CDatentransferDlg(DdeState& server, CWnd* parent, const Timing& timing);
    ~CDatentransferDlg() override;

    // Run the dialog modally with "sendtcl§<path>" or "settext§<id>§<text>"; true when it ended with IDOK.
    bool SendTcl(const CString& path);
    bool SetText(UINT textId, const CString& text);

    bool Connect();
    bool Disconnect();
    int Send(const CString& text);

    // The timers of the chain.
    static constexpr UINT_PTR kTimerSend = 104;
    static constexpr UINT_PTR kTimerWait = 103;
    static constexpr UINT_PTR kTimerClose = 105;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    static HDDEDATA ClientCallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                   ULONG_PTR data1, ULONG_PTR data2);
    bool RunWith(const CString& command);
    void ShowStatusMessage(int status);

    DdeState& m_server;
    Timing m_timing;
    CProgressCtrl m_Progress;
    CString m_strLabel;
    CString m_strStatus;
    CString m_strCommand;

    DWORD m_idInst = 0;
    HSZ m_hszService = nullptr;
    HSZ m_hszTopic = nullptr;
    HSZ m_hszItem = nullptr;
    UINT m_nFormat = CF_TEXT;
    int m_nStatus = kSent;
    DWORD m_dwTransactionId = 0;
    HDDEDATA m_hTransaction = nullptr;
    int m_nPolls = 0;
    int m_nClosingTicks = 0;
};
