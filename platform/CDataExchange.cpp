// Dialog data exchange between members and controls.
#include "platform/CDataExchange.h"

#include "platform/BoundControl.h"
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "platform/CLocale.h"
#include "platform/CListBox.h"
#include "platform/CWnd.h"
#include "platform/ResourceRegistry.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

CString PromptText(UINT id, const char* fallback)
{
    platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    return registry.HasString(id) ? registry.String(id) : CString(fallback);
}

void ParseFailed(CDataExchange* dx, UINT promptId, const char* fallback)
{
    dx->Refuse(PromptText(promptId, fallback));
}

// Loads text into the control only when it differs, as the platform's DDX does, so an unchanged field is left
// alone.
void SetTextIfChanged(HWND hwnd, const CString& text)
{
    CWnd* control = CWnd::FromHandle(hwnd);
    CString current;
    control->GetWindowText(current);
    if (current != text)
        control->SetWindowText(text);
}

CString GetText(HWND hwnd)
{
    CString text;
    CWnd::FromHandle(hwnd)->GetWindowText(text);
    return text;
}

bool OnlyBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p == '\0';
}

bool ParseSigned(const CString& text, long long low, long long high, long long& out)
{
    const char* s = text.GetString();
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s, &end, 10);
    if (end == s || errno != 0 || !OnlyBlanks(end) || v < low || v > high)
        return false;
    out = v;
    return true;
}

bool ParseUnsigned(const CString& text, unsigned long long high, unsigned long long& out)
{
    CString trimmed = text;
    trimmed.TrimLeft();
    if (trimmed.IsEmpty() || trimmed[0] == '-')
        return false;
    const char* s = trimmed.GetString();
    char* end = nullptr;
    errno = 0;
    unsigned long long v = std::strtoull(s, &end, 10);
    if (end == s || errno != 0 || !OnlyBlanks(end) || v > high)
        return false;
    out = v;
    return true;
}

bool ParseReal(const CString& text, double& out)
{
    double v = 0;
    int used = 0;
    if (platform::SscanfC(text.GetString(), "%lf%n", &v, &used) != 1)
        return false;
    if (!OnlyBlanks(text.GetString() + used))
        return false;
    out = v;
    return true;
}

template <class T>
void ExchangeSigned(CDataExchange* dx, int id, T& value, UINT promptId, const char* fallback)
{
    HWND hwnd = dx->PrepareEditCtrl(id);
    if (!hwnd)
        return;
    if (!dx->m_bSaveAndValidate) {
        SetTextIfChanged(hwnd, platform::FormatC("%lld", static_cast<long long>(value)));
        return;
    }
    long long v = 0;
    if (!ParseSigned(GetText(hwnd), std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), v))
        ParseFailed(dx, promptId, fallback);
    else
        value = static_cast<T>(v);
}

template <class T>
void ExchangeUnsigned(CDataExchange* dx, int id, T& value, UINT promptId, const char* fallback)
{
    HWND hwnd = dx->PrepareEditCtrl(id);
    if (!hwnd)
        return;
    if (!dx->m_bSaveAndValidate) {
        SetTextIfChanged(hwnd, platform::FormatC("%llu", static_cast<unsigned long long>(value)));
        return;
    }
    unsigned long long v = 0;
    if (!ParseUnsigned(GetText(hwnd), std::numeric_limits<T>::max(), v))
        ParseFailed(dx, promptId, fallback);
    else
        value = static_cast<T>(v);
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id)
{
    if (m_bFailed)
        return nullptr;
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (!control) {
        std::fprintf(stderr, "data exchange: no control %d\n", id);
        Fail();
        return nullptr;
    }
    m_hLastControl = control->m_hWnd;
    return control->m_hWnd;
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
}

void CDataExchange::Refuse(const CString& text)
{
    m_pDlgWnd->MessageBox(text, nullptr, MB_OK | MB_ICONEXCLAMATION);
    if (CWnd* control = CWnd::FromHandle(m_hLastControl))
        control->SetFocus();
    Fail();
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (dx->m_bFailed || control.m_hWnd)
        return;
    HWND hwnd = dx->PrepareCtrl(id);
    if (hwnd && !control.SubclassWindow(hwnd))
        dx->Fail();
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND hwnd = dx->PrepareEditCtrl(id);
    if (!hwnd)
        return;
    if (dx->m_bSaveAndValidate)
        value = GetText(hwnd);
    else
        SetTextIfChanged(hwnd, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    ExchangeSigned(dx, id, value, AFX_IDP_PARSE_INT, "Please enter an integer.");
}

void DDX_Text(CDataExchange* dx, int id, long& value)
{
    ExchangeSigned(dx, id, value, AFX_IDP_PARSE_INT, "Please enter an integer.");
}

void DDX_Text(CDataExchange* dx, int id, short& value)
{
    ExchangeSigned(dx, id, value, AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between -32768 and 32767.");
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    ExchangeUnsigned(dx, id, value, AFX_IDP_PARSE_UINT, "Please enter a positive integer.");
}

void DDX_Text(CDataExchange* dx, int id, DWORD& value)
{
    ExchangeUnsigned(dx, id, value, AFX_IDP_PARSE_UINT, "Please enter a positive integer.");
}

void DDX_Text(CDataExchange* dx, int id, BYTE& value)
{
    ExchangeUnsigned(dx, id, value, AFX_IDP_PARSE_BYTE, "Please enter an integer between 0 and 255.");
}

void DDX_Text(CDataExchange* dx, int id, double& value)
{
    HWND hwnd = dx->PrepareEditCtrl(id);
    if (!hwnd)
        return;
    if (!dx->m_bSaveAndValidate) {
        SetTextIfChanged(hwnd, platform::FormatC("%.15g", value));
        return;
    }
    if (!ParseReal(GetText(hwnd), value))
        ParseFailed(dx, AFX_IDP_PARSE_REAL, "Please enter a number.");
}

void DDX_Text(CDataExchange* dx, int id, float& value)
{
    HWND hwnd = dx->PrepareEditCtrl(id);
    if (!hwnd)
        return;
    if (!dx->m_bSaveAndValidate) {
        SetTextIfChanged(hwnd, platform::FormatC("%.6g", static_cast<double>(value)));
        return;
    }
    double v = 0;
    if (!ParseReal(GetText(hwnd), v))
        ParseFailed(dx, AFX_IDP_PARSE_REAL, "Please enter a number.");
    else
        value = static_cast<float>(v);
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND hwnd = dx->PrepareCtrl(id);
    if (!hwnd)
        return;
    platform::BoundControl<CButton> button(hwnd);
    if (dx->m_bSaveAndValidate)
        value = button->GetCheck();
    else
        button->SetCheck(value);
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    HWND hwnd = dx->PrepareCtrl(id);
    if (!hwnd)
        return;
    std::vector<HWND> group = CButton::RadioGroupOf(hwnd);
    if (dx->m_bSaveAndValidate)
        value = -1;
    for (size_t i = 0; i < group.size(); ++i) {
        platform::BoundControl<CButton> button(group[i]);
        if (dx->m_bSaveAndValidate) {
            if (button->GetCheck() == BST_CHECKED && value < 0)
                value = static_cast<int>(i);
        } else {
            button->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& value)
{
    HWND hwnd = dx->PrepareCtrl(id);
    if (!hwnd)
        return;
    platform::BoundControl<CComboBox> combo(hwnd);
    if (dx->m_bSaveAndValidate)
        value = combo->GetCurSel();
    else
        combo->SetCurSel(value);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& value)
{
    HWND hwnd = dx->PrepareCtrl(id);
    if (!hwnd)
        return;
    platform::BoundControl<CListBox> list(hwnd);
    if (dx->m_bSaveAndValidate)
        value = list->GetCurSel();
    else
        list->SetCurSel(value);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars)
{
    if (dx->m_bFailed || !dx->m_hLastControl)
        return;
    if (!dx->m_bSaveAndValidate) {
        platform::WindowData* data = platform::FindWindowData(dx->m_hLastControl);
        if (data && data->kind == platform::WindowKind::Edit) {
            platform::BoundControl<CEdit> edit(dx->m_hLastControl);
            edit->LimitText(maxChars);
        }
        return;
    }
    if (value.GetLength() > maxChars) {
        CString text = platform::FormatC("Please enter no more than %d characters.", maxChars);
        dx->m_pDlgWnd->MessageBox(text, nullptr, MB_OK | MB_ICONEXCLAMATION);
        dx->Fail();
    }
}

void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue)
{
    if (dx->m_bFailed || !dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString text = PromptText(AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2.");
    text.Replace("%1", platform::FormatC("%ld", minValue).c_str());
    text.Replace("%2", platform::FormatC("%ld", maxValue).c_str());
    dx->Refuse(text);
}
