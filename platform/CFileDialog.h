// CFileDialog: the open and save file dialogs, through the prompts (platform/Prompts.h): headless, the answer a test
// scripted, else cancel. The current directory never changes.
#pragma once

#include "platform/CString.h"
#include "platform/WindowTypes.h"

class CWnd;

struct OPENFILENAMEA {
    DWORD Flags;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    LPCSTR lpstrDefExt;
};
using OPENFILENAME = OPENFILENAMEA;

class CFileDialog {
public:
    // filter: "description|pattern|...||".
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK with the chosen path, or IDCANCEL. The default extension is added when the chosen file name has none.
    virtual INT_PTR DoModal();

    CString GetPathName() const { return m_path; }
    // The part after the last "/" or "\".
    CString GetFileName() const;
    // The file name's part after its last ".", without the dot; "" when it has none.
    CString GetFileExt() const;
    // The file name without its extension.
    CString GetFileTitle() const;
    // The path up to its last "/" or "\", without it.
    CString GetFolderPath() const;

    OPENFILENAME m_ofn {};

private:
    bool m_open;
    CString m_defaultExtension;
    CString m_fileName;
    CString m_filter;
    CString m_path;
    CWnd* m_parent;
};
