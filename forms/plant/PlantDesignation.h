// The designation an input or output form's name and digit lists show: name item n (from 1) is index n with the
// chosen digit (none counts as 0); the first item ("no designation") clears both.
#pragma once

#include "platform/CComboBox.h"

namespace plant {

inline void PickDesignation(const CComboBox& name, const CComboBox& digit, BYTE& index, BYTE& digitValue)
{
    const int n = name.GetCurSel();
    const int d = digit.GetCurSel();
    index = static_cast<BYTE>(n > 0 ? n : 0);
    digitValue = static_cast<BYTE>(n > 0 && d > 0 ? d : 0);
}

}  // namespace plant
