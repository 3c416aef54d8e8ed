// Data exchange by table: a form lists one row per control (control id, where the value sits in its record, how
// it is shown) and its DoDataExchange makes one call,
//
//     void CExampleForm::DoDataExchange(CDataExchange* pDX)
//     {
//         CFormView::DoDataExchange(pDX);
//         platform::ExchangeBindings(pDX, m_record, kBindings);
//     }
//
// The binding knows nothing of what the record means: a row names a stored number by offset and size, an edit row
// carries a text scale and the range of values it accepts, a combo row the stored code of each item.
//
// Rules, the platform's DDX rules:
// - Loading writes every row's value into its control; an edit's text is set only when it differs. A combo whose
//   stored code is in none of its items shows no selection. No handler runs (UpdateData locks notifications out).
// - Saving reads every row into a copy of the record and writes the copy back only when every row was accepted.
//   An edit whose text is no number of its scale, or a number outside the row's range, shows a warning box, takes
//   the focus and fails the exchange; the record is then unchanged. A combo without a selection keeps the stored
//   code. A check box stores 1 when checked, else 0.
#pragma once

#include "platform/CDataExchange.h"
#include "platform/CString.h"

#include <cstddef>
#include <span>
#include <type_traits>
#include <vector>

namespace platform {

// A stored number inside a record's bytes.
struct BoundField {
    unsigned offset = 0;
    unsigned size = 1;      // 1, 2 or 4 bytes, host byte order
    bool isSigned = false;  // read as signed char / int16 / int32
};

// How an edit shows a stored number: as a decimal number with `decimals` places. The shown number is counted in
// units of 10^-decimals ("12.5" with one decimal is 125).
struct TextScale {
    int decimals = 0;
    // The shown number of a stored value; null shows the stored value itself.
    long (*toShown)(long stored) = nullptr;
    // The stored value that shows as that number; false when none does. Null stores the shown number itself.
    bool (*toStored)(long shown, long& stored) = nullptr;
};

enum class BindingKind { Edit, Combo, Check };

struct BindingRow {
    UINT controlId = 0;
    BindingKind kind = BindingKind::Edit;
    BoundField field;
    TextScale scale;           // Edit
    long shownLow = 0;         // Edit: the shown numbers accepted on saving
    long shownHigh = 0;
    std::vector<long> codes;   // Combo: the stored code of each item, in item order
};

BindingRow EditBinding(UINT controlId, BoundField field, TextScale scale, long shownLow, long shownHigh);
BindingRow ComboBinding(UINT controlId, BoundField field, std::vector<long> codes);
BindingRow CheckBinding(UINT controlId, BoundField field);

// The text of a shown number with the scale's decimals ("-0.5", "12", "2.50").
CString FormatShown(long shown, int decimals);
// The shown number of a text: optional blanks, an optional sign, digits, and at most `decimals` digits after a
// point; false for anything else.
bool ParseShown(const CString& text, int decimals, long& shown);

long ReadBound(const BYTE* record, const BoundField& field);
void WriteBound(BYTE* record, const BoundField& field, long value);

// Exchanges every row between the controls and the record's bytes (see the rules above).
void ExchangeBindings(CDataExchange* dx, BYTE* record, std::size_t size, std::span<const BindingRow> rows);

template <class Record>
void ExchangeBindings(CDataExchange* dx, Record& record, std::span<const BindingRow> rows)
{
    static_assert(std::is_trivially_copyable_v<Record> && std::is_standard_layout_v<Record>);
    ExchangeBindings(dx, reinterpret_cast<BYTE*>(&record), sizeof(Record), rows);
}

}  // namespace platform
