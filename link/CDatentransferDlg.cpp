// The transfer dialog: send, wait for "ack", close.
#include "link/CDatentransferDlg.h"

#include "platform/CDataExchange.h"
#include "platform/Prompts.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"

#include <cstring>

namespace {

// The client conversation of whichever transfer dialog is sending; null when none is open. The client callback,
// which has no dialog to reach, clears it when the drawing tool closes the conversation first.
HCONV g_hDdeClientConv = nullptr;

constexpr char kSeparator = '\xA7';

}  // namespace

BEGIN_MESSAGE_MAP(CDatentransferDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDatentransferDlg::CDatentransferDlg(DdeState& server, CWnd* parent) : CDatentransferDlg(server, parent, Timing())
{}

CDatentransferDlg::CDatentransferDlg(DdeState& server, CWnd* parent, const Timing& timing)
    : CDialog(IDD_DATENTRANSFER, parent), m_server(server), m_timing(timing)
{
    if (DdeInitializeA(&m_idInst, &CDatentransferDlg::ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
        m_idInst = 0;
        m_nStatus = kNoClient;
        return;
    }
    m_hszService = DdeCreateStringHandleA(m_idInst, "vorna", CP_WINANSI);
    m_hszTopic = DdeCreateStringHandleA(m_idInst, "set", CP_WINANSI);
    m_hszItem = DdeCreateStringHandleA(m_idInst, "object", CP_WINANSI);
}

CDatentransferDlg::~CDatentransferDlg()
{
    if (m_idInst != 0)
        DdeUninitialize(m_idInst);
}

HDDEDATA CDatentransferDlg::ClientCallback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    if (type == XTYP_DISCONNECT)
        g_hDdeClientConv = nullptr;
    return nullptr;
}

bool CDatentransferDlg::SendTcl(const CString& path)
{
    CString command;
    command.Format("sendtcl%c%s", kSeparator, path.GetString());
    return RunWith(command);
}

bool CDatentransferDlg::SetText(UINT textId, const CString& text)
{
    CString command;
    command.Format("settext%c%lu%c%s", kSeparator, static_cast<unsigned long>(textId), kSeparator,
                   text.GetString());
    return RunWith(command);
}

bool CDatentransferDlg::RunWith(const CString& command)
{
    m_strCommand = command;
    return DoModal() == IDOK;
}

void CDatentransferDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROGRESS, m_Progress);
    DDX_Text(dx, IDC_TRANSFER_LABEL, m_strLabel);
    DDX_Text(dx, IDC_STATUS_TEXT, m_strStatus);
}

BOOL CDatentransferDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kTransferCaption);
    m_strLabel.Format("%s:", ui::kTransferState);
    m_strStatus = ui::kTransferProcessing;
    m_Progress.SetRange(1, 100);
    m_Progress.SetPos(10);
    UpdateData(FALSE);
    m_nPolls = 0;
    m_nClosingTicks = 0;
    SetTimer(kTimerSend, m_timing.sendMs);
    return TRUE;
}

bool CDatentransferDlg::Connect()
{
    if (g_hDdeClientConv != nullptr)
        return false;
    g_hDdeClientConv = DdeConnect(m_idInst, m_hszService, m_hszTopic, nullptr);
    return g_hDdeClientConv != nullptr;
}

bool CDatentransferDlg::Disconnect()
{
    if (g_hDdeClientConv == nullptr)
        return false;
    DdeDisconnect(g_hDdeClientConv);
    g_hDdeClientConv = nullptr;
    return true;
}

int CDatentransferDlg::Send(const CString& text)
{
    if (!Connect()) {
        m_nStatus = kNoConnection;
        return m_nStatus;
    }
    if (g_hDdeClientConv != nullptr) {
        HDDEDATA data = DdeCreateDataHandle(m_idInst, reinterpret_cast<LPBYTE>(const_cast<char*>(text.GetString())),
                                            static_cast<DWORD>(text.GetLength() + 1), 0, m_hszItem, m_nFormat, 0);
        if (data == nullptr) {
            m_nStatus = kNoData;
        } else {
            // Every transfer waits for the "ack" of its own command, not for one left from an earlier transfer.
            m_server.ack = false;
            m_hTransaction = DdeClientTransaction(reinterpret_cast<LPBYTE>(data), 0xFFFFFFFFul, g_hDdeClientConv,
                                                  m_hszItem, m_nFormat, XTYP_POKE, TIMEOUT_ASYNC,
                                                  &m_dwTransactionId);
        }
    } else {
        m_nStatus = kNoConversation;
    }
    if (!Disconnect())
        m_nStatus = kDisconnectFailed;
    return m_nStatus;
}

void CDatentransferDlg::ShowStatusMessage(int status)
{
    switch (status) {
    case kNoClient:
        messages::Show(m_hWnd, messages::kClientNotStarted);
        break;
    case kNoConnection:
        messages::Show(m_hWnd, messages::kNoConnection);
        break;
    case kNoData:
        messages::Show(m_hWnd, messages::kTransmitFailed);
        break;
    case kNoConversation:
        messages::Show(m_hWnd, messages::kNoConversation);
        break;
    case kDisconnectFailed:
        messages::Show(m_hWnd, messages::kDisconnectFailed);
        break;
    default:
        break;
    }
}

void CDatentransferDlg::OnTimer(UINT_PTR id)
{
    if (id == kTimerSend) {
        KillTimer(kTimerSend);
        if (m_nStatus == kNoClient) {
            ShowStatusMessage(kNoClient);
            EndDialog(IDCANCEL);
        } else if (Send(m_strCommand) != kSent) {
            ShowStatusMessage(m_nStatus);
            EndDialog(IDCANCEL);
        } else {
            m_strStatus = ui::kTransferWaitingAck;
            UpdateData(FALSE);
            SetTimer(kTimerWait, m_timing.pollMs);
        }
    } else if (id == kTimerWait) {
        KillTimer(kTimerWait);
        const bool waiting = !m_server.ack || m_server.conv != nullptr;
        if (waiting) {
            ++m_nPolls;
            m_Progress.SetPos(10 + static_cast<int>(m_nPolls * 0.0875));
            UpdateData(FALSE);
            if (m_nPolls <= m_timing.maxPolls) {
                SetTimer(kTimerWait, m_timing.pollMs);
            } else {
                if (!m_server.ack)
                    messages::Show(m_hWnd, messages::kNoAcknowledge);
                EndDialog(IDCANCEL);
            }
        } else {
            m_strStatus = ui::kTransferClosing;
            UpdateData(FALSE);
            SetTimer(kTimerClose, m_timing.closeMs);
        }
    } else if (id == kTimerClose) {
        KillTimer(kTimerClose);
        ++m_nClosingTicks;
        m_Progress.SetPos(80 + 10 * m_nClosingTicks);
        UpdateData(FALSE);
        if (m_nClosingTicks < 2)
            SetTimer(kTimerClose, m_timing.closeMs);
        else
            OnOK();
    }
    CDialog::OnTimer(id);
}
