// Command update handling: CCmdUI and the probe that drops disabled commands.
#include "platform/CCmdUI.h"

#include "platform/CButton.h"
#include "platform/CCmdTarget.h"
#include "platform/CWnd.h"

void CCmdUI::Enable(BOOL on)
{
    if (m_pOther)
        m_pOther->EnableWindow(on);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check)
{
    if (auto* button = dynamic_cast<CButton*>(m_pOther))
        button->SetCheck(check);
}

void CCmdUI::SetText(LPCTSTR text)
{
    if (m_pOther)
        m_pOther->SetWindowText(text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler)
{
    if (!target)
        return FALSE;
    m_bEnableChanged = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && disableIfNoHandler && !m_bEnableChanged) {
        platform::CmdHandlerInfo info;
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}

namespace platform {

bool IsCommandEnabled(CCmdTarget* target, UINT id)
{
    CommandStateProbe probe;
    probe.m_nID = id;
    probe.DoUpdate(target, TRUE);
    return probe.m_bEnabled;
}

}  // namespace platform
