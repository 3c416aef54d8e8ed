// The documentation of a record as rows: each row names its label, the record field (a row of the store's field
// tables), how the value is written, a condition on the record and its indentation. A block of rows may repeat over
// an array of the record with a stride; its labels then carry the element numbers ("%d", or "%d..%d" for a group).
//
//     constexpr doc::DocRow kRows[] = {
//         doc::ColumnRow("Numero NODO:", &record::kNetzwerkFields[0], doc::Fmt::Number),
//         doc::ColumnRow("RILASCIO:", &record::kNetzwerkFields[1], doc::Fmt::OnOff),
//     };
//     doc::WriteRows(text, doc::kNetwork, kRows, &record);
#pragma once

#include "production/DocLayout.h"
#include "store/FieldInfo.h"

#include <span>

namespace doc {

// How a value is written.
enum class Fmt : BYTE {
    Number,  // the stored number, through the row's printf pattern ("%d" when none)
    Scaled,  // by the field's scale (time byte, time of day, temperature, tenths ...), then the pattern
    YesNo,   // "sì" / "no"
    OnOff,   // "ON" / "OFF"
    Enum,    // the row's text of the value; the first text for values beyond the list
    Custom,  // the row's own text function
};

// A condition on a field of the record (byte offset, in the repeated element).
struct Cond {
    enum Op : BYTE { Always, Eq, Ne, NonZero, Zero, Never, Greater, Less } op = Always;
    unsigned offset = 0;
    long value = 0;
    BYTE mask = 0xFF;  // the bits of the byte the condition looks at
};

struct DocRow {
    enum Kind : BYTE {
        Column,     // label, the section's gap measured on the label, value
        Separated,  // indentation, label, separator, value
        Heading,    // indentation, label
        Rule,       // the section's item rule
        Digital,    // the lines of a digital source: kind, inverted flag, number (or fixed state) at the field
        Analog,     // the lines of an analog source: kind, number at the field
        Outputs16,  // a list of the 16 outputs: 16 flags at the field
        Speeds6,    // a list of the six speed-controlled outputs: 6 flags at the field
        Lines,      // the row's own lines (a block no other row kind can say)
    } kind = Column;
    BYTE level = 0;
    const char* label = "";
    const record::FieldInfo* field = nullptr;  // a value's row of the field table
    Fmt fmt = Fmt::Number;
    const char* pattern = nullptr;         // printf pattern of the value ("%d sec")
    std::span<const char* const> texts{};  // Enum
    Cond when{};
    Cond optional{Cond::Never};  // Digital, Analog: the variable may stay without a source
    CString (*custom)(const DocText& text, const BYTE* record) = nullptr;  // Fmt::Custom
    // Lines: writes them for the row (label formatted), the element and the filter flag.
    void (*lines)(DocText& text, const DocRow& row, const CString& label, const BYTE* record, bool filter) = nullptr;
    // A source or output row for `repeat` variables, `stride` bytes apart; its label carries the number from 1.
    BYTE repeat = 1;
    BYTE stride = 0;
    unsigned at = 0;  // a source, output list or Lines row without a field row: the offset of what it writes
};

constexpr DocRow ColumnRow(const char* label, const record::FieldInfo* field, Fmt fmt, const char* pattern = nullptr)
{
    return {DocRow::Column, 0, label, field, fmt, pattern};
}
constexpr DocRow ValueRow(BYTE level, const char* label, const record::FieldInfo* field, Fmt fmt,
                          const char* pattern = nullptr)
{
    return {DocRow::Separated, level, label, field, fmt, pattern};
}
constexpr DocRow HeadingRow(BYTE level, const char* label)
{
    return {DocRow::Heading, level, label};
}
constexpr DocRow SourceRow(DocRow::Kind kind, BYTE level, const char* label, const record::FieldInfo* field,
                           Cond optional = {Cond::Never})
{
    return {kind, level, label, field, Fmt::Number, nullptr, {}, {}, optional};
}

// A source or output list named by its offset in the record: sources and lists have no scale, range or codes, so
// no row of the field table.
constexpr DocRow SourceRow(DocRow::Kind kind, BYTE level, const char* label, unsigned at, Cond optional = {Cond::Never})
{
    DocRow row{kind, level, label, nullptr, Fmt::Number, nullptr, {}, {}, optional};
    row.at = at;
    return row;
}

constexpr DocRow CustomRow(BYTE level, const char* label, CString (*custom)(const DocText&, const BYTE*))
{
    DocRow row{DocRow::Separated, level, label, nullptr, Fmt::Custom};
    row.custom = custom;
    return row;
}
// A row of its own lines.
constexpr DocRow LinesRow(BYTE level,
                          void (*lines)(DocText&, const DocRow&, const CString& label, const BYTE* record, bool filter),
                          const char* label = "")
{
    DocRow row{DocRow::Lines, level, label};
    row.lines = lines;
    return row;
}
// The row, written only when the condition holds.
constexpr DocRow When(DocRow row, Cond when)
{
    row.when = when;
    return row;
}
// The row for count variables, stride bytes apart.
constexpr DocRow Repeated(DocRow row, BYTE count, BYTE stride)
{
    row.repeat = count;
    row.stride = stride;
    return row;
}

// The text of one value as the row writes it.
CString ValueText(const DocText& text, const DocRow& row, const BYTE* record);
bool Holds(const Cond& cond, const BYTE* record);
// Where the row's field, source or output list begins in the record.
unsigned Place(const DocRow& row);

// Writes the rows for the record; with repeat > 1 the whole block once per element, the fields of element i at
// i * stride bytes further, the labels formatted with (first + i * step, first + i * step + step - 1).
struct Repeat {
    int count = 1;
    unsigned stride = 0;
    int first = 1;
    int step = 1;
};
// filter: leave out the optional sources that have none (the section's filter of entries not in use).
void WriteRows(DocText& text, int section, std::span<const DocRow> rows, const void* record, Repeat repeat = {},
               bool filter = false);

}  // namespace doc
