// Binding rows of record fields: the adapter between the field tables of the store (FieldInfo.h) and the
// platform's table-driven data exchange (platform/DataBinding.h). A form builds its rows from the field rows, so
// the text scale, the accepted range and the combo codes come from the one table of the record:
//
//     static const std::vector<platform::BindingRow> kBindings = {
//         record::BindEdit(IDC_ROOM_NORMAL, Row(record::kHzkrRegFields, offsetof(HzkrRegParam, roomNormal))),
//         record::BindCombo(IDC_MODE, Row(record::kHzkrRegFields, offsetof(HzkrRegParam, mode))),
//         record::BindCombo(IDC_DIFF_ON, Row(...), resources::DifferenceList().codes),
//     };
#pragma once

#include "platform/DataBinding.h"
#include "store/FieldInfo.h"

#include <vector>

namespace record {

// How an edit shows a field of that row: the scale's decimals and its conversions between stored and shown numbers.
// A shown number that no stored value has is refused. Temperatures in deg C, differences and hysteresis in tenths of
// a kelvin, durations in seconds, times of day in minutes.
platform::TextScale TextScaleOf(const FieldInfo& info);
// The shown number of a stored value of the row.
long ShownOf(const FieldInfo& info, long stored);
// Element `element` of the row's field.
platform::BoundField BoundFieldOf(const FieldInfo& info, unsigned element = 0);

// An edit that accepts the row's range, shown in its scale.
platform::BindingRow BindEdit(UINT controlId, const FieldInfo& info, unsigned element = 0);
// A combo whose items stand for the given stored codes (a value list); without codes, the row's own list.
platform::BindingRow BindCombo(UINT controlId, const FieldInfo& info, std::vector<long> codes = {},
                               unsigned element = 0);
platform::BindingRow BindCheck(UINT controlId, const FieldInfo& info, unsigned element = 0);

// The row of the field at that offset; the table must have one (a missing row is a programming fault and throws
// std::out_of_range).
const FieldInfo& Row(std::span<const FieldInfo> table, unsigned offset);

}  // namespace record
