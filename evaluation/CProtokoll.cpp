// The protocol form of the drawing evaluation.
#include "evaluation/CProtokoll.h"

#include "platform/CDataExchange.h"
#include "platform/TextFile.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"

#include <cctype>

IMPLEMENT_DYNCREATE(CProtokoll, CFormView)

namespace {

constexpr int kLineWidth = 136;
constexpr int kExtentPixels = 3000;
constexpr char kProtocolFile[] = "para/Protokoll.tmp";

// A decimal number with optional blanks around it and an optional sign; false for anything else.
bool ParseNumber(const CString& line, int& value)
{
    const char* p = line.GetString();
    while (*p == ' ' || *p == '\t')
        ++p;
    const char* start = p;
    if (*p == '-' || *p == '+')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return false;
    long long number = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        number = number * 10 + (*p - '0');
        if (number > 0x7FFFFFFF)
            return false;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p != '\0')
        return false;
    value = static_cast<int>(*start == '-' ? -number : number);
    return true;
}

}  // namespace

CProtokoll::CProtokoll() : CFormView(IDD_PROTOKOLL) {}

CProtokoll::~CProtokoll() = default;

void CProtokoll::UseCurrentPage(int* currentPage)
{
    m_pCurrentPage = currentPage;
}

void CProtokoll::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROTOKOLL_LIST, m_List);
    DDX_Text(dx, IDC_TITLE, m_strCaption);
}

void CProtokoll::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate) {
        FillOnFirstActivation([this] { Fill(); });
        *m_pCurrentPage = 1;
    }
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

CString CProtokoll::CenterTitle(const CString& title)
{
    const int length = title.GetLength();
    const int dashes = length < kLineWidth ? (kLineWidth - (length + 2)) / 2 : 0;
    const CString side('-', dashes);
    CString line;
    line.Format("%s %s %s", side.GetString(), title.GetString(), side.GetString());
    return line;
}

bool CProtokoll::ReadEntry(std::FILE* file, CString& text, int& code)
{
    if (!file)
        return false;
    CString codeLine;
    CString lengthLine;
    CString line;
    int length = 0;
    if (!platform::ReadLine(file, codeLine) || !ParseNumber(codeLine, code))
        return false;
    // The length says how long the text should be; the text is the whole line in any case, so a wrong or hostile
    // length can neither cut an entry nor make the reader allocate what the file asks for.
    if (!platform::ReadLine(file, lengthLine) || !ParseNumber(lengthLine, length) || length < 0)
        return false;
    if (!platform::ReadLine(file, line))
        return false;
    CString prefix;
    if (code == 1)
        prefix = ui::kProtokollError;
    else if (code == 3)
        prefix = ui::kProtokollWarning;
    if (code == 1 || code == 2 || code == 3 || code == 4 || code == 6)
        prefix = CString(ui::kProtokollIndent) + prefix;
    text = prefix + line;
    return true;
}

void CProtokoll::Fill()
{
    m_strCaption = ui::kProtokollCaption;
    for (int i = 0, count = m_List.GetCount(); i < count; ++i)
        m_List.DeleteString(0);
    m_List.AddString(CenterTitle(ui::kProtokollTitle));

    int errors = 0;
    int warnings = 0;
    if (std::FILE* file = platform::OpenRegularForReading(kProtocolFile)) {
        CString text;
        int code = 0;
        while (ReadEntry(file, text, code)) {
            m_List.AddString(text);
            if (code == 1)
                ++errors;
            else if (code == 3)
                ++warnings;
        }
        std::fclose(file);
        m_List.AddString("");
        CString result;
        result.Format(ui::kProtokollResult, errors, warnings);
        m_List.AddString(result);
        m_List.AddString("");
        m_List.AddString("");
        // The last line first, so that the list scrolls to its end; then the empty line before the result.
        m_List.SetCurSel(m_List.GetCount() - 1);
        m_List.SetCurSel(m_List.GetCount() - 4);
    } else {
        m_List.AddString("");
        m_List.AddString(ui::kProtokollNotOpened);
    }
    m_List.SetHorizontalExtent(kExtentPixels);
    UpdateData(FALSE);
}
