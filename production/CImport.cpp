// The parameter import form.
#include "production/CImport.h"

#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CFileDialog.h"
#include "platform/CWaitCursor.h"
#include "platform/ProcessExit.h"
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
constexpr UINT kMessageFlags = MB_OK | MB_ICONWARNING | MB_TASKMODAL;
constexpr DWORD kOpenFlags =
    OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON | OFN_EXPLORER;

using production::Incompatibility;

// Each refusal of the check: its message number and reason (with the slot, message or output number).
struct RefusalText {
    Incompatibility reason;
    const char* number;
    const char* text;
};
constexpr RefusalText kRefusals[] = {
    {Incompatibility::FunctionCount, "1.036", ui::kIncompatibleFunctionCount},
    {Incompatibility::Function, "1.037", ui::kIncompatibleFunction},
    {Incompatibility::Parameters, "1.038", ui::kIncompatibleParameters},
    {Incompatibility::Message, "1.039", ui::kIncompatibleMessage},
    {Incompatibility::NetDigital, "1.040", ui::kIncompatibleNetDigital},
    {Incompatibility::NetAnalog, "1.041", ui::kIncompatibleNetAnalog},
};

const RefusalText& FindRefusal(Incompatibility reason)
{
    for (const RefusalText& r : kRefusals)
        if (r.reason == reason)
            return r;
    return kRefusals[0];
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
    CString reason;
    reason.Format(FindRefusal(check.reason).text, check.number);
    CString text;
    text.Format(ui::kIncompatibleFormat, ui::kIncompatibleFirst, (reason + "\n").GetString(), ui::kIncompatibleLast);
    return text;
}

void CImport::ShowMessage(const char* number, const CString& text)
{
    CString caption;
    caption.Format(ui::kMessageCaption, number);
    MessageBox(text, caption, kMessageFlags);
}

bool CImport::ShowOutcome(const production::ImportOutcome& outcome)
{
    CString path;
    m_SourcePath.GetWindowText(path);
    CString text;
    switch (outcome.kind) {
    case production::ImportOutcome::Imported: return false;
    case production::ImportOutcome::LoadFailed:
        text.Format(ui::kImportLoadFailed, path.GetString());
        ShowMessage(ui::kImportLoadFailedNumber, text);
        return true;
    case production::ImportOutcome::WrongFormat: ShowMessage(ui::kImportFormatNumber, ui::kImportFormat); return true;
    case production::ImportOutcome::Incompatible:
        ShowMessage(FindRefusal(outcome.check.reason).number, IncompatibleText(outcome.check));
        return true;
    case production::ImportOutcome::CopyFailed:
        ShowMessage(ui::kImportCopyFailedNumber, ui::kImportCopyFailed);
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
    CSCCmd channel;
    const production::ImportOutcome outcome = production::ParameterImport(*this).Run(path, channel);
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
