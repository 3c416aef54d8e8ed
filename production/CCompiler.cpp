// The compiler form.
#include "production/CCompiler.h"

#include "drawing/StoreDrawingReader.h"
#include "forms/dialogs/CNetzEinstellungenDlg.h"
#include "forms/dialogs/SaveRefusal.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CFileDialog.h"
#include "platform/CWaitCursor.h"
#include "platform/ControlTexts.h"
#include "platform/Prompts.h"
#include "production/CBegruessungDlg.h"
#include "production/CZusatzEinstellungenDlg.h"
#include "production/TargetFolders.h"
#include "production/WorkingCopyStore.h"
#include "requirements/CSystemRequirements.h"
#include "resources/Messages.h"
#include "resources/ProductionIds.h"
#include "resources/ProductionTexts.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CIniSettings.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "texts/CTexte.h"

#include <filesystem>
#include <system_error>

IMPLEMENT_DYNCREATE(CCompiler, CFormView)

BEGIN_MESSAGE_MAP(CCompiler, CFormView)
    ON_BN_CLICKED(IDC_COMPILER_CHOOSE, OnZielWaehlen)
    ON_BN_CLICKED(IDC_COMPILER_CONVERT, OnKonvertieren)
    ON_BN_CLICKED(IDC_COMPILER_USER_SETTINGS, OnBenutzerEinstellungen)
    ON_BN_CLICKED(IDC_COMPILER_NETWORK, OnNetzwerkEinstellungen)
    ON_BN_CLICKED(IDC_COMPILER_WELCOME, OnBegruessungsseite)
END_MESSAGE_MAP()

namespace {

constexpr platform::ControlText kCaptions[] = {
    {IDC_COMPILER_PATH_GROUP, ui::kCompilerPathGroup},
    {IDC_COMPILER_CHOOSE, ui::kCompilerChooseTarget},
    {IDC_COMPILER_SETTINGS_GROUP, ui::kCompilerSettingsGroup},
    {IDC_COMPILER_USER_SETTINGS, ui::kCompilerUserSettings},
    {IDC_COMPILER_NETWORK, ui::kCompilerNetwork},
    {IDC_COMPILER_WELCOME, ui::kCompilerWelcome},
    {IDC_COMPILER_CONVERSION_GROUP, ui::kCompilerConversionGroup},
    {IDC_COMPILER_STATUS_GROUP, ui::kCompilerStatusGroup},
    {IDC_COMPILER_CONVERT, ui::kCompilerConvert},
};

// The drawing tool learns that the drawing's parameter file is no longer current; before runs first.
template <class Before>
void NotifyNotUpToDate(RunContext& run, Before before)
{
    CSCCmd channel(run);
    channel.Reset();
    before(channel);
    channel.SetFileNotUpToDate();
    channel.Execute();
}

void NotifyNotUpToDate(RunContext& run)
{
    NotifyNotUpToDate(run, [](CSCCmd&) {});
}

}  // namespace

CCompiler::CCompiler() : CFormView(IDD_COMPILER) {}

CCompiler::~CCompiler() = default;

void CCompiler::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_COMPILER_TARGET, m_Target);
    DDX_Control(dx, IDC_COMPILER_CONVERT, m_Convert);
    DDX_Control(dx, IDC_COMPILER_PROGRESS, m_Progress);
    DDX_Control(dx, IDC_COMPILER_REQUIREMENT, m_Requirement);
    DDX_Text(dx, IDC_COMPILER_STATUS, m_strStatus);
    DDX_Text(dx, IDC_COMPILER_TITLE, m_strTitle);
    DDX_Text(dx, IDC_COMPILER_REQUIREMENT, m_strRequirement);
}

void CCompiler::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CCompiler::LoadForm()
{
    m_strTitle.Format(ui::kCompilerTitle, ui::kCompilerOsVersion);
    platform::SetControlTexts(*this, kCaptions);
    ShowRequirement();
    m_strStatus = ui::kCompilerReady;
    m_Progress.SetRange32(0, production::kCompileEnd);
    m_Progress.SetPos(0);
    CParaDaten para;
    CIniSettings ini;
    SetTarget(production::CompilerTarget(para.GetCompilerPfad(CParaDaten::kWorkFile), ini.GetCompilerPfad(),
                                         Start().engPath, Start().xmlPath));
    UpdateData(FALSE);
}

void CCompiler::SetTarget(const CString& path)
{
    m_Target.SetWindowText(path);
    m_Target.SetSel(0, -1);
}

void CCompiler::ShowRequirement()
{
    const VersionRequirement need =
        g_pSystemRequirements ? g_pSystemRequirements->GetRequirement() : VersionRequirement(0, 0);
    if (need.GetSerialLevel() <= 0)
        m_strRequirement.Format(ui::kCompilerRequirement, need.GetOsVersion());
    else
        m_strRequirement.Format(ui::kCompilerRequirementSerial, need.GetOsVersion(), need.GetSerialNumber());
    // A larger font; blue when the data need a newer controller than the oldest, else dark green.
    m_Requirement.SetFontSizeDelta(2);
    m_Requirement.SetTextColor(need.GetOsLevel() > 0 ? RGB(0, 0, 255) : RGB(0, 110, 0));
}

void CCompiler::SetStatus(int position, const CString& text)
{
    m_strStatus = text;
    m_Progress.SetPos(position);
    UpdateData(FALSE);
}

bool CCompiler::Konvertieren(const CString& target)
{
    drawing::StoreDrawingReader drawing;
    production::CompileSequence sequence(*this, drawing);
    return sequence.Run(target);
}

void CCompiler::OnZielWaehlen()
{
    CString current;
    m_Target.GetWindowText(current);
    const CString folder = production::FolderOf(current);
    CFileDialog dialog(FALSE, nullptr, production::FileNameOf(current),
                       OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_HIDEREADONLY | OFN_NOCHANGEDIR, ui::kCompilerFilter,
                       this);
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return;
    CString path = dialog.GetPathName();
    if (dialog.GetFileExt() != "dat")
        path += ".dat";
    // The parameter set keeps a limited number of characters: a longer path would be cut and then read back as no
    // path at all, so it is refused and the target stays as it was.
    if (path.GetLength() > production::MaxStoredPathLength()) {
        messages::Show(m_hWnd, messages::kCompilePathTooLong, path.GetString(), production::MaxStoredPathLength());
        return;
    }
    // A target that could not be stored is not shown either: the form keeps what the parameter set holds.
    CParaDaten para;
    if (!production::CommitOrDrop(para, para.SetCompilerPfad(CParaDaten::kWorkFile, path))) {
        forms::RefuseSave(this);
        return;
    }
    SetTarget(path);
    CIniSettings().SetCompilerPfad(dialog.GetFolderPath());
    UpdateData(FALSE);
    NotifyNotUpToDate(Run());
}

void CCompiler::OnKonvertieren()
{
    CWaitCursor wait;
    m_Convert.EnableWindow(FALSE);
    m_strStatus = ui::kCompilerStarting;
    m_Progress.SetPos(0);
    UpdateData(FALSE);
    CString target;
    m_Target.GetWindowText(target);
    const CString name = production::FileNameOf(target);
    std::error_code ec;
    bool run = true;
    if (std::filesystem::exists(target.GetString(), ec)) {
        run = messages::Show(m_hWnd, messages::kCompileExists, name.GetString()) == IDYES;
    }
    if (run) {
        if (Konvertieren(target)) {
            m_strStatus = ui::kCompilerDone;
            m_Progress.SetPos(production::kCompileEnd);
            UpdateData(FALSE);
        } else {
            m_strStatus = ui::kCompilerFailed;
            UpdateData(FALSE);
            messages::Show(m_hWnd, messages::kCompileFailed, name.GetString());
            m_strStatus = ui::kCompilerFailedReady;
            m_Progress.SetPos(0);
        }
    } else {
        m_strStatus = ui::kCompilerCancelled;
    }
    UpdateData(FALSE);
    m_Convert.EnableWindow(TRUE);
    m_Convert.SetFocus();
}

void CCompiler::OnBenutzerEinstellungen()
{
    CZusatzEinstellungenDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    ShowRequirement();
    UpdateData(FALSE);
    NotifyNotUpToDate(Run());
}

void CCompiler::OnNetzwerkEinstellungen()
{
    NetzwerkParam read;
    NetzwerkParam record;
    // The dialog stores and commits before it closes; a store that failed keeps it open, so a cancel after it
    // reaches nothing below.
    const auto commit = [] {
        CParaDaten para;
        return production::CommitOrDrop(para, true);
    };
    if (!EditNetworkSettings(this, read, record, commit))
        return;
    // Every change of the committed set is told to the drawing tool, not only a new node number; a new node number
    // also refreshes the texts of the network outputs.
    const bool nodeChanged = record.node != read.node;
    if (!nodeChanged && record.release == read.release && record.automatic == read.automatic)
        return;
    NotifyNotUpToDate(Run(), [&](CSCCmd& channel) {
        if (nodeChanged)
            CTexte().UpdateZeichnung(channel, CTexte::kLabelsNetzAusgaenge, -1);
    });
}

void CCompiler::OnBegruessungsseite()
{
    CBegruessungDlg dialog(Start().xmlPath);
    if (dialog.DoModal() == IDOK)
        NotifyNotUpToDate(Run());
}
