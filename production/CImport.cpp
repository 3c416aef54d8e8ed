// The parameter import form.
#include "production/CImport.h"

#include "drawing/StoreDrawingReader.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CFileDialog.h"
#include "platform/CWaitCursor.h"
#include "platform/ProcessExit.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"

IMPLEMENT_DYNCREATE(CImport, CFormView)

BEGIN_MESSAGE_MAP(CImport, CFormView)
ON_BN_CLICKED(IDC_SOURCE_CHOOSE, OnQuelleWaehlen)
ON_BN_CLICKED(IDC_IMPORT_START, OnImportieren)
END_MESSAGE_MAP()

namespace {

constexpr int kProgressEnd = 219;
constexpr DWORD kOpenFlags =
    OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON | OFN_EXPLORER;

using production::Incompatibility;

// Each refusal of the check: its message (with the slot, message or output number).
struct Refusal {
    Incompatibility reason;
    const messages::Message& message;
};
constexpr Refusal kRefusals[] = {
    {Incompatibility::FunctionCount, messages::kIncompatibleFunctionCount},
    {Incompatibility::Function, messages::kIncompatibleFunction},
    {Incompatibility::Parameters, messages::kIncompatibleParameters},
    {Incompatibility::Message, messages::kIncompatibleMessage},
    {Incompatibility::NetDigital, messages::kIncompatibleNetDigital},
    {Incompatibility::NetAnalog, messages::kIncompatibleNetAnalog},
};

const messages::Message& RefusalMessage(Incompatibility reason)
{
    for (const Refusal& r : kRefusals)
        if (r.reason == reason)
            return r.message;
    return kRefusals[0].message;
}

// Splits a path at its last "/" or "\".
void SplitPath(const CString& path, CString& folder, CString& name)
{
    const std::string& s = path.str();
    const size_t cut = s.find_last_of("/\\");
    if (cut == std::string::npos) {
        folder = CString();
        name = path;
        return;
    }
    folder = CString(s.substr(0, cut));
    name = CString(s.substr(cut + 1));
}

}  // namespace

CImport::CImport() : CFormView(IDD_IMPORT)
{}

CImport::~CImport() = default;

void CImport::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_STATUS_GROUP, m_StatusGroup);
    DDX_Control(dx, IDC_SOURCE_GROUP, m_SourceGroup);
    DDX_Control(dx, IDC_IMPORT_GROUP, m_ImportGroup);
    DDX_Control(dx, IDC_SOURCE_PATH, m_SourcePath);
    DDX_Control(dx, IDC_PROGRESS, m_Progress);
    DDX_Control(dx, IDC_SOURCE_CHOOSE, m_ChooseSource);
    DDX_Control(dx, IDC_IMPORT_START, m_Start);
    DDX_Text(dx, IDC_FORM_TITLE, m_strTitle);
    DDX_Text(dx, IDC_STATUS_TEXT, m_strStatus);
    DDX_Text(dx, IDC_IMPORT_NOTE, m_strNote);
}

void CImport::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CImport::LoadForm()
{
    m_strTitle = ui::kImportTitle;
    m_SourceGroup.SetWindowText(ui::kImportSourceGroup);
    m_ChooseSource.SetWindowText(ui::kImportChooseSource);
    m_ImportGroup.SetWindowText(ui::kImportGroup);
    m_strNote = ui::kImportNote;
    m_StatusGroup.SetWindowText(ui::kImportStatusGroup);
    m_Start.SetWindowText(ui::kImportStart);
    m_SourcePath.SetWindowText("");
    m_Progress.SetRange32(0, kProgressEnd);
    m_Start.EnableWindow(FALSE);
    SetStatus(ui::kImportChooseFirst, 0);
}

void CImport::SetStatus(const char* text, int position)
{
    m_strStatus = text;
    m_Progress.SetPos(position);
    UpdateData(FALSE);
}

void CImport::AddProgress(int increment, const CString& text)
{
    m_strStatus = text;
    m_Progress.SetPos(m_Progress.GetPos() + increment);
    UpdateData(FALSE);
}

CString CImport::SourcePath(const CString& chosenPath, const CString& extension)
{
    // Compared ignoring case: "Anlage.DAT" is the file the person chose, not "Anlage.DAT.dat".
    if (extension.CompareNoCase(ui::kImportExtension) == 0)
        return chosenPath;
    return chosenPath + "." + ui::kImportExtension;
}

void CImport::OnQuelleWaehlen()
{
    CString shown;
    m_SourcePath.GetWindowText(shown);
    CString folder;
    CString name;
    if (!shown.IsEmpty())
        SplitPath(shown, folder, name);
    else
        folder = CParaDaten().GetCompilerPfad(CParaDaten::kWorkFile);
    CFileDialog dialog(TRUE, nullptr, name.IsEmpty() ? nullptr : name.GetString(), kOpenFlags, ui::kImportFilter);
    dialog.m_ofn.lpstrInitialDir = folder.GetString();
    if (dialog.DoModal() != IDOK)
        return;
    m_SourcePath.SetWindowText(SourcePath(dialog.GetPathName(), dialog.GetFileExt()));
    m_SourcePath.SetSel(0, -1);
    m_Start.EnableWindow(TRUE);
    SetStatus(ui::kImportReady, 0);
}

CString CImport::IncompatibleText(const production::CheckResult& check)
{
    return messages::Text(RefusalMessage(check.reason), check.number);
}

bool CImport::ShowOutcome(const production::ImportOutcome& outcome)
{
    CString path;
    m_SourcePath.GetWindowText(path);
    switch (outcome.kind) {
    case production::ImportOutcome::Imported: return false;
    case production::ImportOutcome::LoadFailed:
        messages::Show(m_hWnd, messages::kImportNotLoaded, path.GetString());
        return true;
    case production::ImportOutcome::WrongFormat: messages::Show(m_hWnd, messages::kImportFormat); return true;
    case production::ImportOutcome::Incompatible:
        messages::Show(m_hWnd, RefusalMessage(outcome.check.reason), outcome.check.number);
        return true;
    case production::ImportOutcome::CopyFailed:
        messages::Show(m_hWnd, messages::kImportCopyFailed);
        return false;
    }
    return true;
}

void CImport::OnImportieren()
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    m_Start.EnableWindow(FALSE);
    AddProgress(1, ui::kImportStarting);
    CString path;
    m_SourcePath.GetWindowText(path);
    CSCCmd channel(Run());
    drawing::StoreDrawingReader drawing;
    const production::ImportOutcome outcome = production::ParameterImport(*this, drawing).Run(path, channel);
    const bool stays = ShowOutcome(outcome);
    if (outcome.kind == production::ImportOutcome::Imported)
        SetStatus(ui::kImportDone, kProgressEnd);
    else if (stays)
        SetStatus(ui::kImportRefused, 0);
    else
        SetStatus(ui::kImportFailed, kProgressEnd);
    if (stays)
        m_Start.EnableWindow(TRUE);
    m_Start.SetFocus();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (!stays)
        platform::EndProcess(0);
}
