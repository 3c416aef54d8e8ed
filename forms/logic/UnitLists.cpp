// The value lists of the forms whose scale follows a unit field.
#include "forms/logic/UnitLists.h"

namespace forms {

void FillLists(std::span<CComboBox> combos, const std::vector<CString>& items)
{
    for (CComboBox& combo : combos) {
        combo.ResetContent();
        for (size_t i = 0; i < items.size(); ++i)
            combo.InsertString(static_cast<int>(i), items[i]);
    }
}

}  // namespace forms
