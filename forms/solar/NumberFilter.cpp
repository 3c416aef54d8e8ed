// The filter of the typed-number fields.
#include "forms/solar/NumberFilter.h"

#include <algorithm>
#include <cctype>

namespace forms {

namespace {

// Decimal digits as a number, of the first nine digits only (the fields hold seven characters at most).
long Digits(const CString& digits)
{
    long value = 0;
    for (int i = 0; i < digits.GetLength() && i < 9; ++i)
        value = value * 10 + (digits[i] - '0');
    return value;
}

}  // namespace

FilteredNumber FilterNumber(const CString& text, int caret, int decimals, bool minusAllowed)
{
    CString kept;
    CString whole;
    CString fraction;
    bool point = false;
    bool negative = false;
    int dropped = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            kept += c;
            (point ? fraction : whole) += c;
            if (point && fraction.GetLength() >= decimals)
                break;
        } else if (c == '-' && i == 0 && minusAllowed) {
            kept += c;
            negative = true;
        } else if (c == '.' && !point && decimals > 0) {
            kept += c;
            point = true;
        } else if (c == '.') {
            break;
        } else if (i < caret) {
            ++dropped;
        }
    }
    long scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    long fractionScale = 1;
    for (int d = fraction.GetLength(); d < decimals; ++d)
        fractionScale *= 10;
    long value = Digits(whole) * scale + Digits(fraction) * fractionScale;
    if (negative)
        value = -value;
    return {kept, value, std::clamp(caret - dropped, 0, kept.GetLength())};
}

}  // namespace forms
