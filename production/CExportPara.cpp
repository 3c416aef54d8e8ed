// The documentation export form.
#include "production/CExportPara.h"

#include "drawing/StoreDrawingReader.h"
#include "forms/dialogs/SaveRefusal.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CFileDialog.h"
#include "platform/CWaitCursor.h"
#include "platform/Prompts.h"
#include "platform/Win32File.h"
#include "production/DocPaths.h"
#include "production/TargetFolders.h"
#include "production/WorkingCopyStore.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CIniSettings.h"
#include "store/CParaDaten.h"

#include <filesystem>

IMPLEMENT_DYNCREATE(CExportPara, CFormView)

using doc::DefaultPath;
using doc::FolderOf;
using doc::NameOf;
using doc::WithExtension;

namespace {

// The check boxes of the export filter's flags 0 to 11, in flag order; the sections' filter boxes follow their
// section's box by five.
constexpr int kFlagBoxes[12] = {IDC_DOC_EINGAENGE,    IDC_DOC_AUSGAENGE,    IDC_DOC_FUNKTIONEN,   IDC_DOC_MELDUNGEN,
                                IDC_DOC_NETZWERK,     IDC_FILTER_EINGAENGE, IDC_FILTER_AUSGAENGE, IDC_FILTER_VARIABLEN,
                                IDC_FILTER_MELDUNGEN, IDC_FILTER_NETZWERK,  IDC_DOC_FUNCVIEW,     IDC_DOC_CANLOGGING};
constexpr int kSections = 5;

void SendFileNotUpToDate(RunContext& run)
{
    CSCCmd command(run);
    command.Reset();
    command.SetFileNotUpToDate();
    command.Execute();
}

}  // namespace

BEGIN_MESSAGE_MAP(CExportPara, CFormView)
ON_BN_CLICKED(IDC_TARGET_CHOOSE, OnZielWaehlen)
ON_BN_CLICKED(IDC_EXPORT_RUN, OnExportieren)
ON_BN_CLICKED(IDC_EXTERN_BROWSE, OnDurchsuchen)
ON_BN_CLICKED(IDC_EXTERN_ON, OnExterneQuelle)
ON_CONTROL_RANGE(BN_CLICKED, IDC_DOC_EINGAENGE, IDC_FILTER_NETZWERK, OnFlagBox)
END_MESSAGE_MAP()

CExportPara::CExportPara() : CFormView(IDD_EXPORT_PARA)
{}

CExportPara::~CExportPara() = default;

void CExportPara::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    for (int i = 0; i < 12; ++i)
        DDX_Control(dx, kFlagBoxes[i], m_flagBoxes[i]);
    DDX_Control(dx, IDC_EXTERN_ON, m_externOn);
    DDX_Control(dx, IDC_EXTERN_BROWSE, m_browse);
    DDX_Control(dx, IDC_TARGET_CHOOSE, m_targetChoose);
    DDX_Control(dx, IDC_EXPORT_RUN, m_run);
    DDX_Control(dx, IDC_EXTERN_PATH, m_externEdit);
    DDX_Control(dx, IDC_TARGET_PATH, m_targetEdit);
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Text(dx, IDC_EXPORT_TITLE, m_title);
    DDX_Text(dx, IDC_STATUS_TEXT, m_status);
    DDX_Radio(dx, IDC_FORMAT_PLAIN, m_format);
}

void CExportPara::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CExportPara::LoadForm()
{
    m_title = ui::kExportTitle;
    m_status = ui::kExportReady;
    m_progress.SetRange32(0, 240);
    m_progress.SetPos(0);
    const struct {
        int id;
        const char* text;
    } fixed[] = {{IDC_EXPORT_RUN, ui::kExportRun},
                 {IDC_EXTERN_ON, ui::kExportExternOn},
                 {IDC_EXTERN_BROWSE, ui::kExportBrowse},
                 {IDC_TARGET_GROUP, ui::kExportTargetGroup},
                 {IDC_TARGET_CHOOSE, ui::kExportTargetChoose},
                 {IDC_SECTIONS_GROUP, ui::kExportSections},
                 {IDC_FORMAT_GROUP, ui::kExportFormatGroup},
                 {IDC_FORMAT_PLAIN, ui::kExportFormats[0]},
                 {IDC_FORMAT_COLUMNS, ui::kExportFormats[1]},
                 {IDC_FORMAT_SEPARATED, ui::kExportFormats[2]},
                 {IDC_RUN_GROUP, ui::kExportRunGroup},
                 {IDC_STATE_GROUP, ui::kExportStateGroup}};
    for (const auto& f : fixed)
        if (CWnd* control = GetDlgItem(f.id))
            control->SetWindowText(f.text);
    for (int i = 0; i < 12; ++i)
        m_flagBoxes[i].SetWindowText(ui::kExportSectionTexts[i]);

    CParaDaten para;
    CIniSettings ini;
    m_target = para.GetExportPfad(2);
    if (m_target.IsEmpty())
        m_target = DefaultPath(Start(), ini.GetExportPfad(), "KRX9274_Doku", "txt");
    // A target whose folder does not exist, or is no absolute path here (one stored on another system, "C:\..."),
    // moves into the default folder beside the drawing export, which is made when missing, as the compiler's does.
    const CString folder = FolderOf(m_target);
    std::error_code error;
    if (folder.IsEmpty() || folder.GetString()[0] != '/' || !std::filesystem::is_directory(folder.GetString(), error))
        m_target = production::InDefaultFolder(NameOf(m_target), Start().xmlPath, "KRX9274_Doku");
    m_targetEdit.SetWindowText(m_target);
    m_targetEdit.SetSel(0, -1);

    m_externPath = para.GetCompilerPfad(2);
    if (m_externPath.IsEmpty())
        m_externPath = DefaultPath(Start(), ini.GetCompilerPfad(), "KRX9274_Funktionsdaten", "dat");
    m_external = 0;
    m_externOn.SetCheck(BST_UNCHECKED);
    m_externEdit.SetWindowText("");
    m_browse.EnableWindow(FALSE);

    m_filter = para.GetExportFilter(2);
    m_format = m_filter.format <= 2 ? m_filter.format : 0;
    ShowFlags();
    UpdateData(FALSE);
}

void CExportPara::ShowFlags()
{
    for (int i = 0; i < 12; ++i)
        m_flagBoxes[i].SetCheck(m_filter.flags[i] == 1 ? BST_CHECKED : BST_UNCHECKED);
    for (int i = 0; i < kSections; ++i)
        m_flagBoxes[i + kSections].EnableWindow(m_filter.flags[i] == 1);
}

void CExportPara::OnFlagBox(UINT id)
{
    for (int i = 0; i < 12; ++i) {
        if (kFlagBoxes[i] != static_cast<int>(id))
            continue;
        m_filter.flags[i] = m_flagBoxes[i].GetCheck() == BST_CHECKED ? 1 : 0;
        if (i < kSections)
            m_flagBoxes[i + kSections].EnableWindow(m_filter.flags[i]);
    }
}

void CExportPara::ReadControls()
{
    UpdateData(TRUE);
    m_filter.format = static_cast<BYTE>(m_format);
}

void CExportPara::Status(int position, const CString& text)
{
    m_status = text;
    m_progress.SetPos(position);
    UpdateData(FALSE);
}

void CExportPara::OnZielWaehlen()
{
    CString current;
    m_targetEdit.GetWindowText(current);
    CFileDialog dialog(FALSE, nullptr, NameOf(current), OFN_HIDEREADONLY | OFN_NOCHANGEDIR, ui::kExportTargetFilter,
                       this);
    const CString folder = FolderOf(current);
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return;
    const CString chosen = WithExtension(dialog.GetPathName(), "txt");
    // A target that could not be stored is not shown either: the form keeps what the parameter set holds.
    CParaDaten para;
    if (!production::CommitOrDrop(para, para.SetExportPfad(2, chosen))) {
        forms::RefuseSave(this);
        return;
    }
    m_target = chosen;
    m_targetEdit.SetWindowText(m_target);
    m_targetEdit.SetSel(0, -1);
    CIniSettings().SetExportPfad(FolderOf(m_target));
    // The controls are taken first, so that showing the members keeps a layout the person has just picked.
    UpdateData(TRUE);
    UpdateData(FALSE);
    SendFileNotUpToDate(Run());
}

bool CExportPara::QuelleWaehlen()
{
    CFileDialog dialog(TRUE, nullptr, NameOf(m_externPath), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR,
                       ui::kExportSourceFilter, this);
    const CString folder = FolderOf(m_externPath);
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return false;
    m_externPath = WithExtension(dialog.GetPathName(), "dat");
    m_externEdit.SetWindowText(m_externPath);
    m_externEdit.SetSel(0, -1);
    return true;
}

void CExportPara::OnDurchsuchen()
{
    QuelleWaehlen();
}

void CExportPara::OnExterneQuelle()
{
    if (m_externOn.GetCheck() == BST_CHECKED) {
        m_external = 1;
        m_browse.EnableWindow(TRUE);
        if (QuelleWaehlen())
            return;
    }
    m_externEdit.SetWindowText("");
    m_browse.EnableWindow(FALSE);
    m_external = 0;
    m_externOn.SetCheck(BST_UNCHECKED);
}

bool CExportPara::Exportieren(const CString& target)
{
    doc::Options options;
    options.external = m_external;
    options.file = m_external ? 0 : 2;
    options.format = static_cast<signed char>(m_filter.format);
    options.writeBack = m_external ? 0 : 1;
    // A flag counts as set only when it is exactly 1, as the check boxes show it.
    BYTE f[12];
    for (int i = 0; i < 12; ++i)
        f[i] = m_filter.flags[i] == 1 ? 1 : 0;
    options.sections = {f[0], f[5], f[1], f[6], f[2], f[7], f[3], f[8], f[4], f[9], f[10], f[11]};
    drawing::StoreDrawingReader drawing;
    return DocRun(options, *this, drawing).Write(target);
}

void CExportPara::OnExportieren()
{
    CWaitCursor wait;
    ReadControls();
    m_run.EnableWindow(FALSE);
    Status(0, ui::kExportStarting);
    bool go = true;
    if (m_external) {
        DocRun::Message message;
        go = DocRun::LoadExternal(m_externPath, message);
        if (message.row)
            messages::ShowText(nullptr, *message.row, message.text);
    }
    CString target;
    m_targetEdit.GetWindowText(target);
    if (go && GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES) {
        go = messages::Show(nullptr, messages::kExportExists, NameOf(target).GetString()) == IDYES;
    }
    if (!go) {
        m_status = ui::kExportCancelled;
        UpdateData(FALSE);
    } else if (Exportieren(target)) {
        CParaDaten para;
        if (production::CommitOrDrop(para, para.SetExportFilter(2, m_filter))) {
            Status(240, ui::kExportDone);
            SendFileNotUpToDate(Run());
        } else {
            // The documentation is written, but the run's settings are not stored: no success is reported and the
            // drawing tool learns nothing.
            Status(240, ui::kExportError);
            forms::RefuseSave(this);
            Status(0, ui::kExportErrorReady);
        }
    } else {
        Status(240, ui::kExportError);
        messages::Show(nullptr, messages::kExportFailed, NameOf(target).GetString());
        Status(0, ui::kExportErrorReady);
    }
    m_run.EnableWindow(TRUE);
    m_run.SetFocus();
}
