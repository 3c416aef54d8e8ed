// The main frame of the window commands: the end of their start-up, the form switch and the commands of the running
// frame. What a command does and which forms exist come from the tables of FormTable.h.
#include "shell/CMorv9274App.h"

#include "evaluation/CProtokoll.h"
#include "platform/CCmdUI.h"
#include "platform/CCreateContext.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/FirstActivation.h"
#include "platform/ProcessExit.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "shell/CAboutDlg.h"
#include "shell/CMainFrame.h"
#include "shell/CMorv9274Doc.h"
#include "shell/CMorv9274View.h"
#include "shell/WindowPlacementFile.h"

#include <cstdio>

namespace {

// The command file named on the command line (the document the template opens); it is never read as a document.
CString CommandFileArgument(const std::vector<CString>& args)
{
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "-cmdfile")
            return args[i + 1];
    return CString();
}

}  // namespace

CMainFrame* CMorv9274App::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

const FormRow& CMorv9274App::GetFormRow() const
{
    return m_pFormRow ? *m_pFormRow : FindFormRow(m_run.start.cmd, m_run.start.name);
}

BOOL CMorv9274App::StartMainFrame()
{
    return StartMainFrame(FindFormRow(m_run.start.cmd, m_run.start.name));
}

BOOL CMorv9274App::StartMainFrame(const FormRow& row)
{
    m_pFormRow = &row;
    for (CView*& form : m_forms)
        form = nullptr;
    // No form of the new frame has filled itself yet.
    for (bool& first : m_firstActivation)
        first = true;

    // No recent-file list is kept: a run only ever opens the command file it was started with.
    auto* docTemplate = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CMorv9274Doc), RUNTIME_CLASS(CMainFrame),
                                               RUNTIME_CLASS(CMorv9274View));
    AddDocTemplate(docTemplate);
    // Not made visible here: the frame is shown once, with its stored state, when every form stands.
    CDocument* document = docTemplate->OpenDocumentFile(CommandFileArgument(m_arguments), FALSE);
    CMainFrame* frame = GetMainFrame();
    if (!document || !frame)
        return FALSE;

    CCreateContext context;
    context.m_pCurrentDoc = frame->GetActiveDocument();
    m_forms[static_cast<int>(FormSlot::StartView)] = frame->GetActiveView();

    if (!CreateForm(ProtocolFormEntry(), false, context))
        EndRun();
    if (auto* protocol = dynamic_cast<CProtokoll*>(GetForm(FormSlot::Protokoll)))
        protocol->UseCurrentPage(&m_currentPage);
    bool first = true;
    for (const FormEntry& entry : row.forms) {
        if (entry.create && !CreateForm(entry, first, context))
            EndRun();
        first = false;
    }

    CView* start = GetForm(row.start);
    if (!start)
        start = GetForm(FormSlot::StartView);
    CView* protocol = GetForm(FormSlot::Protokoll);
    if (m_drawingVerdict & kDrawingCheckFatal) {
        start = protocol;
    } else if (m_drawingVerdict & kDrawingCheckMessages) {
        // The start form fills itself first, so the user finds it filled when switching back from the protocol.
        SwitchView(start);
        start = protocol;
    }
    SwitchView(start);

    bool hasPosition = false;
    const WindowPlacement placement =
        WindowPlacementFile(CMainFrame::PlacementFilePath()).ForShowing(hasPosition);
    frame->SetWindowText(ui::kMainFrameTitle);
    frame->ShowWindow(placement.showState);
    frame->CenterWindow();
    frame->RecalcLayout();
    frame->UpdateWindow();

    if (m_hMutex) {
        ReleaseMutex(m_hMutex);
        m_hMutex = nullptr;
    }
    return TRUE;
}

bool CMorv9274App::CreateForm(const FormEntry& entry, bool first, CCreateContext& context)
{
    CView* form = entry.create();
    if (!form)
        return false;
    // The form fills itself on its first activation through the frame's flag of its position.
    if (auto* first = dynamic_cast<platform::FirstActivation*>(form))
        first->UseFirstActivation(&m_firstActivation[entry.firstActivation]);
    // A form that works on the command's object or talks to the drawing tool gets the run's context.
    if (auto* user = dynamic_cast<UsesRunContext*>(form))
        user->UseRunContext(&m_run);
    CMainFrame* frame = GetMainFrame();
    // No style bits: the form stays hidden until it is switched in.
    if (!form->Create(nullptr, "morv9274 View", 0, CRect(0, 0, 0, 0), frame, entry.childId, &context)) {
        delete form;
        std::fprintf(stderr, "morv9274: form %u could not be created\n", entry.childId);
        return false;
    }
    m_forms[static_cast<int>(entry.slot)] = form;
    if (first && entry.publish)
        entry.publish(form);
    form->SendMessage(WM_INITIALUPDATE, 0, 0);
    return true;
}

CView* CMorv9274App::SwitchView(CView* form)
{
    CMainFrame* frame = GetMainFrame();
    if (!frame || !form)
        return nullptr;
    CView* old = frame->GetActiveView();
    if (old == form)
        return old;
    if (old) {
        const int oldId = old->GetDlgCtrlID();
        old->SetDlgCtrlID(form->GetDlgCtrlID());
        form->SetDlgCtrlID(oldId);
        old->ShowWindow(SW_HIDE);
    }
    form->ShowWindow(SW_SHOW);
    frame->SetActiveView(form, TRUE);
    frame->RecalcLayout();
    form->Invalidate(TRUE);
    return old;
}

bool CMorv9274App::IsCommandAvailable(const CommandRow& command) const
{
    if (command.rule == DisableRule::Fatal && (m_drawingVerdict & kDrawingCheckFatal))
        return false;
    // A command whose form or routine does not exist is shown as unavailable rather than doing nothing; in a
    // complete program every button of a toolbar has both.
    switch (command.kind) {
    case CommandKind::Switch: return GetForm(command.target) != nullptr;
    case CommandKind::Save: return m_pFormRow->save != nullptr;
    case CommandKind::Assign: return m_pFormRow->assign != nullptr;
    case CommandKind::SaveAssign: return m_pFormRow->saveAssign != nullptr;
    default: return true;
    }
}

BOOL CMorv9274App::OnCmdMsg(UINT nID, int nCode, void* pExtra, platform::CmdHandlerInfo* handlerInfo)
{
    const CommandRow* command = m_pFormRow ? FindCommandRow(nID) : nullptr;
    if (!command)
        return CWinApp::OnCmdMsg(nID, nCode, pExtra, handlerInfo);
    if (nCode == CN_UPDATE_COMMAND_UI) {
        if (handlerInfo) {
            handlerInfo->target = this;
            return TRUE;
        }
        static_cast<CCmdUI*>(pExtra)->Enable(IsCommandAvailable(*command));
        return TRUE;
    }
    if (nCode != CN_COMMAND)
        return CWinApp::OnCmdMsg(nID, nCode, pExtra, handlerInfo);
    if (handlerInfo) {
        handlerInfo->target = this;
        return TRUE;
    }
    // The frame asks the update rules before a button or an accelerator runs a command; asking again here keeps a
    // disabled command from running whichever way it arrives.
    if (IsCommandAvailable(*command))
        RunCommand(*command);
    return TRUE;
}

void CMorv9274App::RunCommand(const CommandRow& command)
{
    const FormRow& row = *m_pFormRow;
    switch (command.kind) {
    case CommandKind::Save:
        // A routine that writes ends the process; one whose form refused the save returns and the frame stays.
        if (row.save)
            row.save();
        break;
    case CommandKind::Assign:
        if (row.assign)
            row.assign();
        break;
    case CommandKind::SaveAssign:
        if (row.saveAssign)
            row.saveAssign();
        break;
    case CommandKind::Terminate:
        OnTerminate();
        break;
    case CommandKind::Switch:
        SwitchView(GetForm(command.target));
        break;
    case CommandKind::About:
        OnAppAbout();
        break;
    }
}

void CMorv9274App::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CMorv9274App::OnTerminate()
{
    // Nothing is saved, nothing is sent and WINDOW.ini stays as it is; the exit clean-up still runs.
    platform::EndProcess(0);
}
