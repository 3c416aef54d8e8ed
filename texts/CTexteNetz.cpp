// CTexte: number texts of the network inputs, outputs and network status.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "store/NetzEingang.h"

namespace {

// "%s %d" for the long texts, "%s%d" for the short ones.
CString NumberText(const char* format, const char* word, int number)
{
    CString text;
    text.Format(format, word, number);
    return text;
}

constexpr BYTE kDatenleitung = 1;  // the bus flag of an input received over the data line

}  // namespace

CString CTexte::GetNetzVariableText(BYTE n, const NetzEingang digital[16], const NetzEingang analog[16]) const
{
    const NetzEingang* input = nullptr;
    if (IsDigitalNetworkNumber(n) && digital)
        input = &digital[n - 1];
    else if (IsAnalogNetworkNumber(n) && analog)
        input = &analog[n - 17];
    if (!input || input->node == 0)
        return ui::kNetworkInputTitle;
    return input->transport == kDatenleitung ? ui::kNetworkInputTitleDL : ui::kNetworkInputTitleCAN;
}

CString CTexte::GetNetzNrLangText(BYTE n) const
{
    if (IsDigitalNetworkNumber(n))
        return NumberText("%s %d", ui::kNetworkDigitalLong, n);
    if (IsAnalogNetworkNumber(n))
        return NumberText("%s %d", ui::kNetworkAnalogLong, n - 16);
    return ui::kNotUsed;
}

CString CTexte::GetNetzStatusText(BYTE n) const
{
    return n == kAllNetworkInputs ? CString(ui::kAllSensors) : GetNetzNrLangText(n);
}

CString CTexte::GetNetzNrText(BYTE n) const
{
    if (IsDigitalNetworkNumber(n))
        return NumberText("%s%d", ui::kNetworkDigital, n);
    if (IsAnalogNetworkNumber(n))
        return NumberText("%s%d", ui::kNetworkAnalog, n - 16);
    return ui::kNotUsedShort;
}

CString CTexte::GetNetzNrTextAlle(BYTE n) const
{
    return n == kAllNetworkInputs ? CString(ui::kNetworkAllInputs) : GetNetzNrText(n);
}

CString CTexte::GetNetzAusgangNrText(BYTE n) const
{
    return GetNetzNrText(n);
}
