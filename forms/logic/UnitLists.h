// The value lists of the forms whose scale follows a unit field (analog function, comparison, profile function):
// built again only when the unit changes, every list of one scale from one vector of items.
#pragma once

#include "platform/CComboBox.h"
#include "platform/CString.h"

#include <span>
#include <utility>
#include <vector>

namespace forms {

// Replaces the items of every combo box in combos by items (item i at index i).
inline void FillLists(std::span<CComboBox> combos, const std::vector<CString>& items)
{
    for (CComboBox& combo : combos) {
        combo.ResetContent();
        for (size_t i = 0; i < items.size(); ++i)
            combo.InsertString(static_cast<int>(i), items[i]);
    }
}

inline void FillList(CComboBox& combo, const std::vector<CString>& items)
{
    FillLists({&combo, 1}, items);
}

// The unit a form's value lists were last built for; none at first.
class ListUnit {
public:
    // True when unit is not the one the lists were built for; from then on they count as built for unit.
    bool Changes(long unit) { return std::exchange(m_unit, unit) != unit; }

private:
    long m_unit = -1;
};

}  // namespace forms
