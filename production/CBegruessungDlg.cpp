// The welcome-screen dialog.
#include "production/CBegruessungDlg.h"

#include "forms/dialogs/SaveRefusal.h"
#include "platform/CDataExchange.h"
#include "platform/CFileDialog.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "production/TargetFolders.h"
#include "production/WorkingCopyStore.h"
#include "resources/Messages.h"
#include "resources/ProductionIds.h"
#include "resources/ProductionTexts.h"
#include "resources/UiTexts.h"
#include "store/CIniSettings.h"
#include "store/CParaDaten.h"

#include <cstdio>

BEGIN_MESSAGE_MAP(CBegruessungDlg, CDialog)
    ON_BN_CLICKED(IDC_BEGR_CUSTOM, OnBenutzerdefiniert)
    ON_BN_CLICKED(IDC_BEGR_LOAD, OnVorlageLaden)
    ON_BN_CLICKED(IDC_BEGR_SAVE, OnVorlageSpeichern)
    ON_EN_CHANGE(IDC_BEGR_LINE1, OnChangeZeile)
    ON_EN_CHANGE(IDC_BEGR_LINE2, OnChangeZeile)
    ON_EN_CHANGE(IDC_BEGR_LINE3, OnChangeZeile)
    ON_EN_CHANGE(IDC_BEGR_LINE4, OnChangeZeile)
END_MESSAGE_MAP()

namespace {

constexpr int kLineIds[4] = {IDC_BEGR_LINE1, IDC_BEGR_LINE2, IDC_BEGR_LINE3, IDC_BEGR_LINE4};
constexpr int kLabelIds[4] = {IDC_BEGR_LABEL1, IDC_BEGR_LABEL2, IDC_BEGR_LABEL3, IDC_BEGR_LABEL4};
constexpr int kLength = BegruessungsText::kLineLength;
constexpr size_t kTemplateSize = 4 * kLength;

}  // namespace

CBegruessungDlg::CBegruessungDlg(const CString& drawingExport, CWnd* parent)
    : CDialog(IDD_BEGRUESSUNG, parent), m_drawingExport(drawingExport)
{}

CBegruessungDlg::~CBegruessungDlg() = default;

void CBegruessungDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Check(dx, IDC_BEGR_CUSTOM, m_nCustom);
    for (int i = 0; i < 4; ++i) {
        DDX_Control(dx, kLineIds[i], m_Lines[i]);
        DDX_Text(dx, kLineIds[i], m_strLines[i]);
    }
}

BOOL CBegruessungDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kBegruessungCaption);
    const struct {
        int id;
        const char* text;
    } captions[] = {{IDOK, ui::kDialogOk},
                    {IDCANCEL, ui::kDialogCancel},
                    {IDC_BEGR_GROUP, ui::kBegruessungGroup},
                    {IDC_BEGR_CUSTOM, ui::kBegruessungCustom},
                    {IDC_BEGR_LOAD, ui::kBegruessungLoad},
                    {IDC_BEGR_SAVE, ui::kBegruessungSave}};
    for (const auto& c : captions)
        GetDlgItem(c.id)->SetWindowText(c.text);
    for (int i = 0; i < 4; ++i) {
        CString label;
        if (i == 0)
            label.Format("%s:", ui::kBegruessungHeader);
        else
            label.Format("%s %d:", ui::kBegruessungLine, i);
        GetDlgItem(kLabelIds[i])->SetWindowText(label);
        m_Lines[i].LimitText(kLength);
    }
    CParaDaten().GetBegruessung(CParaDaten::kWorkFile, m_record);
    UpdateControls();
    return TRUE;
}

// The edits show the record's lines only while the screen is the user's own; the record keeps them either way.
// The data exchange sends no change notification, so this never reaches OnChangeZeile.
void CBegruessungDlg::UpdateControls()
{
    const bool custom = m_record.flag != 0;
    m_nCustom = custom ? 1 : 0;
    for (int i = 0; i < 4; ++i) {
        m_strLines[i] = custom ? m_record.lines[i] : CString();
        m_Lines[i].EnableWindow(custom);
    }
    GetDlgItem(IDC_BEGR_LOAD)->EnableWindow(custom);
    GetDlgItem(IDC_BEGR_SAVE)->EnableWindow(custom);
    UpdateData(FALSE);
}

void CBegruessungDlg::OnBenutzerdefiniert()
{
    UpdateData(TRUE);
    m_record.flag = m_nCustom ? 1 : 0;
    UpdateControls();
}

void CBegruessungDlg::OnChangeZeile()
{
    UpdateData(TRUE);
    for (int i = 0; i < 4; ++i)
        m_record.lines[i] = m_strLines[i];
}

CString CBegruessungDlg::GetVorlagenOrdner() const
{
    return production::ResolveFolder(CIniSettings().GetBegruessungPfad(), m_drawingExport, ui::kBegruessungFolder);
}

void CBegruessungDlg::SetVorlagenOrdner(const CString& path)
{
    CIniSettings().SetBegruessungPfad(production::FolderOf(path));
}

CString CBegruessungDlg::ChooseTemplate(bool open)
{
    DWORD flags = OFN_NONETWORKBUTTON | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (open)
        flags |= OFN_FILEMUSTEXIST;
    CFileDialog dialog(open, nullptr, nullptr, flags, ui::kBegruessungFilter, this);
    const CString folder = GetVorlagenOrdner();
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return CString();
    CString path = dialog.GetPathName();
    if (dialog.GetFileExt() != ui::kBegruessungExtension)
        path += CString(".") + ui::kBegruessungExtension;
    SetVorlagenOrdner(path);
    return path;
}

void CBegruessungDlg::ParseTemplate(const std::string& file, CString lines[4])
{
    // Read as text: a CR LF is one line end.
    std::string text;
    for (size_t i = 0; i < file.size(); ++i)
        if (!(file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n'))
            text += file[i];
    size_t at = 0;
    for (int i = 0; i < 4 && at < text.size(); ++i) {
        // Up to 22 characters, a line end among them ending the read after it; a line end just past them is read
        // by the next read, which gives an empty line.
        size_t end = at;
        while (end < text.size() && end - at < static_cast<size_t>(kLength))
            if (text[end++] == '\n')
                break;
        std::string line = text.substr(at, end - at);
        at = end;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        lines[i] = line.c_str();
    }
}

bool CBegruessungDlg::ReadTemplate(const CString& path, CString lines[4])
{
    // A template holds at most its four lines of 22 characters. What is no regular file (a folder, a FIFO, a device
    // named like a template) or holds more is no template: it is refused without waiting on it or reading it all.
    std::string text;
    if (!platform::ReadWholeFile(path.GetString(), text, kTemplateSize))
        return false;
    ParseTemplate(text, lines);
    return true;
}

void CBegruessungDlg::OnVorlageLaden()
{
    const CString path = ChooseTemplate(true);
    if (path.IsEmpty())
        return;
    if (!ReadTemplate(path, m_record.lines)) {
        messages::Show(m_hWnd, messages::kWelcomeNotLoaded);
        return;
    }
    UpdateControls();
}

void CBegruessungDlg::OnVorlageSpeichern()
{
    const CString path = ChooseTemplate(false);
    if (path.IsEmpty())
        return;
    std::string text;
    for (const CString& line : m_record.lines) {
        std::string padded(line.Left(kLength).GetString());
        padded.resize(kLength, ' ');
        text += padded;
    }
    // Whole or not at all, and never through a link put in the template's place.
    if (!platform::WriteFileAtomically(path.GetString(), text)) {
        messages::Show(m_hWnd, messages::kWelcomeNotSaved);
        return;
    }
}

void CBegruessungDlg::OnOK()
{
    CParaDaten para;
    if (!production::CommitOrDrop(para, para.SetBegruessung(CParaDaten::kWorkFile, m_record))) {
        forms::RefuseSave(this);  // the dialog stays open with the person's lines
        return;
    }
    EndDialog(IDOK);
}
