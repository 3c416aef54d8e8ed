// What a typed-number field keeps of its text: digits, one leading minus where allowed and one decimal point with at
// most the given number of fraction digits; everything else is dropped as it is typed or pasted. The value is an
// integer in units of the last decimal.
#pragma once

#include "platform/CString.h"

namespace forms {

struct FilteredNumber {
    CString text;  // what the field keeps
    long value;    // in units of the last decimal: with two decimals "12.5" is 1250 and "-0.05" is -5
    int caret;     // where the caret stands in the kept text: after the same characters it stood after
};

// Walks the text from its start: a digit stays (the walk ends once the fraction has its digits); a minus stays as
// the first character where allowed; the first point stays where there are decimals, while another point, or a
// point without decimals, ends the walk; any other character is dropped. An empty number is 0.
FilteredNumber FilterNumber(const CString& text, int caret, int decimals, bool minusAllowed);

}  // namespace forms
