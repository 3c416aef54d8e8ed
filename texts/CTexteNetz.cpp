// CTexte: number texts of the network inputs, outputs and network status. Inputs 1 to 16 are digital, 17 to 32
// analog and shown as 1 to 16 again; 33 stands for all network inputs where a list offers it.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "store/NetzEingang.h"

namespace {

constexpr BYTE kAllNetworkInputs = 33;

bool IsDigital(BYTE n) { return n >= 1 && n <= 16; }
bool IsAnalog(BYTE n) { return n >= 17 && n <= 32; }

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
    if (IsDigital(n) && digital)
        input = &digital[n - 1];
    else if (IsAnalog(n) && analog)
        input = &analog[n - 17];
    if (!input || input->node == 0)
        return ui::kNetworkInputTitle;
    return input->transport == kDatenleitung ? ui::kNetworkInputTitleDL : ui::kNetworkInputTitleCAN;
}

CString CTexte::GetNetzNrLangText(BYTE n) const
{
    if (IsDigital(n))
        return NumberText("%s %d", ui::kNetworkDigitalLong, n);
    if (IsAnalog(n))
        return NumberText("%s %d", ui::kNetworkAnalogLong, n - 16);
    return ui::kNotUsed;
}

CString CTexte::GetNetzStatusText(BYTE n) const
{
    return n == kAllNetworkInputs ? CString(ui::kAllSensors) : GetNetzNrLangText(n);
}

CString CTexte::GetNetzNrText(BYTE n) const
{
    if (IsDigital(n))
        return NumberText("%s%d", ui::kNetworkDigital, n);
    if (IsAnalog(n))
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
