// Headless message boxes and file dialogs: logged, captured and answered with their defaults.
#include "platform/HeadlessPrompts.h"

#include "platform/CLocale.h"
#include "platform/Cp1252.h"

#include <cstdio>

namespace platform {

namespace {

CString Escape(const CString& text)
{
    CString out;
    for (int i = 0; i < text.GetLength(); ++i) {
        char c = text[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c; break;
        }
    }
    return out;
}

void WriteLine(const CString& line)
{
    std::string utf8 = Cp1252ToUtf8(line.str());
    utf8 += '\n';
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

CString FileDialogLine(const FileDialogRequest& request)
{
    return CString("file dialog\t") + (request.open ? "open" : "save") + "\t" + Escape(request.filter) + "\t" +
           Escape(request.initialDir) + "\t" + Escape(request.fileName);
}

}  // namespace

HeadlessPrompts& HeadlessPrompts::Instance()
{
    static HeadlessPrompts prompts;
    return prompts;
}

CString HeadlessPrompts::FormatLine(const MessageBoxRequest& request)
{
    return Escape(request.caption) + "\t" + CString(FormatC("0x%04X", request.flags)) + "\t" + Escape(request.text);
}

int HeadlessPrompts::DefaultAnswer(UINT flags)
{
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},               // MB_OK
        {IDOK, IDCANCEL, IDOK},           // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},     // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},          // MB_YESNOCANCEL
        {IDYES, IDNO, IDYES},             // MB_YESNO
        {IDRETRY, IDCANCEL, IDRETRY},     // MB_RETRYCANCEL
    };
    UINT type = flags & MB_TYPEMASK;
    if (type > 5)
        type = 0;
    UINT button = (flags & MB_DEFMASK) >> 8;
    return buttons[type][button > 2 ? 0 : button];
}

int HeadlessPrompts::ShowAnswered(const MessageBoxRequest& request, int answer)
{
    m_boxes.push_back(request);
    WriteLine(FormatLine(request));
    return answer;
}

FileDialogAnswer HeadlessPrompts::ShowAnswered(const FileDialogRequest& request, const FileDialogAnswer& answer)
{
    m_fileDialogs.push_back(request);
    WriteLine(FileDialogLine(request));
    return answer;
}

int HeadlessPrompts::ShowMessageBox(const MessageBoxRequest& request)
{
    return ShowAnswered(request, DefaultAnswer(request.flags));
}

FileDialogAnswer HeadlessPrompts::ShowFileDialog(const FileDialogRequest& request)
{
    return ShowAnswered(request, FileDialogAnswer {});
}

void HeadlessPrompts::Clear()
{
    m_boxes.clear();
    m_fileDialogs.clear();
}

}  // namespace platform
