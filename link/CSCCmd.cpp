// The command channel: appending lines to "SCCmd.tmp" and handing the file over.
#include "link/CSCCmd.h"

#include "link/CDatentransferDlg.h"
#include "platform/CWaitCursor.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr char kSeparator = '\xA7';

// A text field runs to the end of its line: a line break inside it would split the command.
CString OneLine(CString text)
{
    text.Replace('\r', ' ');
    text.Replace('\n', ' ');
    return text;
}

// The drawing tool runs in another working directory: it gets an absolute path.
CString Absolute(const CString& path)
{
    if (path.Left(1) == "/")
        return path;
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd))
        return path;
    return CString(cwd) + "/" + path;
}

}  // namespace

CString CSCCmd::GetFileName(const CString& exportFolder)
{
    if (exportFolder.IsEmpty())
        return "para/SCCmd.tmp";
    return exportFolder + "/para/SCCmd.tmp";
}

void CSCCmd::Reset()
{
    std::FILE* file = platform::OpenForWriting(GetFileName(), "wb");
    m_bResetOk = file != nullptr && std::fclose(file) == 0;
    m_bEmpty = true;
}

bool CSCCmd::Append(const CString& line)
{
    std::FILE* file = platform::OpenForWriting(GetFileName(), "ab");
    if (!file)
        return false;
    CString bytes = line + "\r\n";
    bool ok = std::fwrite(bytes.GetString(), 1, static_cast<size_t>(bytes.GetLength()), file) ==
              static_cast<size_t>(bytes.GetLength());
    ok = std::fclose(file) == 0 && ok;
    if (ok)
        m_bEmpty = false;
    return ok;
}

void CSCCmd::SetText(UINT textId, const CString& text)
{
    CString line;
    line.Format("settext%c%u%c%s", kSeparator, textId, kSeparator, OneLine(text).GetString());
    Append(line);
}

void CSCCmd::SetObj(UINT objectId, const CString& text)
{
    CString line;
    line.Format("setobj%c%u%c%s", kSeparator, objectId, kSeparator, OneLine(text).GetString());
    Append(line);
}

void CSCCmd::SetFileNotUpToDate()
{
    Append("setfilenotuptodate");
}

void CSCCmd::Execute()
{
    CWaitCursor wait;
    if (m_bEmpty || !m_bResetOk)
        return;
    CDatentransferDlg dialog(m_run.dde, nullptr);
    dialog.SendTcl(Absolute(GetFileName()));
}

void CSCCmd::SetTextDirekt(DdeState& dde, UINT textId, const CString& text)
{
    CWaitCursor wait;
    CDatentransferDlg dialog(dde, nullptr);
    dialog.SetText(textId, OneLine(text));
}
