// File dialogs through the prompts.
#include "platform/CFileDialog.h"

#include "platform/CWnd.h"
#include "platform/Prompts.h"
#include "platform/WindowBackend.h"

#include <algorithm>

namespace {

int LastSeparator(const CString& path)
{
    return std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags,
                         LPCTSTR filter, CWnd* parent)
    : m_open(openFileDialog != FALSE),
      m_defaultExtension(defaultExtension ? defaultExtension : ""),
      m_fileName(fileName ? fileName : ""),
      m_filter(filter ? filter : ""),
      m_parent(parent)
{
    m_ofn.Flags = flags;
    m_ofn.lpstrDefExt = defaultExtension;
}

INT_PTR CFileDialog::DoModal()
{
    platform::FileDialogRequest request;
    request.open = m_open;
    request.defaultExtension = m_ofn.lpstrDefExt ? m_ofn.lpstrDefExt : m_defaultExtension.GetString();
    request.fileName = m_fileName;
    request.flags = m_ofn.Flags;
    request.filter = m_filter;
    request.initialDir = m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : "";
    request.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "";
    request.owner = m_parent ? m_parent->m_hWnd : nullptr;
    platform::EnsureWindowBackend();
    platform::FileDialogAnswer answer = platform::ShowFileDialog(request);
    if (!answer.ok || answer.path.IsEmpty())
        return IDCANCEL;
    m_path = answer.path;
    CString name = GetFileName();
    if (!request.defaultExtension.IsEmpty() && name.Find('.') < 0)
        m_path += "." + request.defaultExtension;
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    return m_path.Mid(LastSeparator(m_path) + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const
{
    int at = LastSeparator(m_path);
    return at < 0 ? CString() : m_path.Left(at);
}
