// Field metadata of the decoded records: for each named field its display scale, its valid range, the value the
// repair puts in when the field lies outside it, its list of codes and where it is stored. One table per record
// struct, in the record's own header, serves the codec, the forms' value controls, the documentation's value
// formats and the simple repairs of CParaCheck.
//
// A row names its field with RECORD_FIELD(Record, member): the member's name, offsetof and size, never a bare
// position. A member may be nested ("release.number") or an element ("analog[0].threshold"); a row that stands for
// every element of an array says so with Each(count, stride). A row of a stored record says where its field is
// stored with At (a place of FieldCodec.h), and the record's codec is built from those rows (RecordCodec.h).
//
// Ranges and replacements are stored values (the number the field holds), compared in the order of the field's
// scale: a difference byte compares as a signed byte, a temperature byte by its degrees, so that a range such as
// -20..99 deg C is one interval even though its stored bytes wrap.
//
//     inline constexpr record::FieldInfo kExampleFields[] = {
//         record::Ranged(RECORD_FIELD(ExampleParam, roomNormal), record::Scale::Temperature, 0, 45, 20)
//             .At(record::at::Byte(4)),
//         record::ByHand(RECORD_FIELD(ExampleParam, curve), record::Scale::Plain, 5, 250, 120),
//         record::Listed(RECORD_FIELD(ExampleParam, mode), kModeCodes, 1, record::Repair::Range),
//     };
//     record::RepairRanges(example, kExampleFields);   // every Repair::Range row
#pragma once

#include "platform/Types.h"
#include "store/FieldCodec.h"

#include <cstddef>
#include <span>
#include <type_traits>
#include <utility>

namespace record {

// How a stored value is shown and ordered; the byte scales are those of RecordCodec.h.
enum class Scale : BYTE {
    Plain,        // the number as it is (counts, minutes, percent, codes); unsigned
    Signed,       // a signed number: a byte read as signed char, a 32-bit word as int32
    Temperature,  // temperature byte: 0..200 deg C, 201..255 -55..-1 deg C
    Difference,   // difference byte: a signed temperature difference, finer near zero
    Hysteresis,   // hysteresis byte: 0..99 tenths of a kelvin, 100 and above value - 90 K
    Duration,     // time byte: seconds, half minutes, minutes, half hours
    TimeOfDay,    // 10-minute steps from midnight
    Tenths,       // value / 10 with one decimal
    Hundredths,   // value / 100 with two decimals (a slope)
    TimesTen,     // value x 10 (irradiance in 10 W/m2)
};

// Who repairs a field that lies outside its range.
enum class Repair : BYTE {
    Range,  // CParaCheck through RepairRanges: outside the range becomes the replacement
    Hand,   // a rule that depends on other fields (hand code in CParaCheck); the range is what forms accept
    None,   // not repaired; the range is what forms accept
};

// One member of a decoded record, as the RECORD_* macros give it: its name, offset and size, and for a bit field of
// a wider word its width and first bit. The forms, the field tables and the repairs all name fields this way, and
// read and write them through ReadField and WriteField.
struct FieldRef {
    const char* name = nullptr;
    unsigned offset = 0;
    unsigned size = 1;      // 1, 2 or 4 bytes, host byte order
    unsigned bits = 0;      // a bit field: its width; 0 the whole word
    unsigned shift = 0;     // a bit field: its first bit
    bool isSigned = false;  // read as a signed number of its width
};

#define RECORD_FIELD(Record, member)                                                                                \
    ::record::FieldRef                                                                                              \
    {                                                                                                               \
        #member, static_cast<unsigned>(offsetof(Record, member)),                                                   \
            static_cast<unsigned>(sizeof(std::declval<Record&>().member))                                           \
    }
// The member read as a signed byte or word.
#define RECORD_SIGNED(Record, member)                                                                               \
    ::record::FieldRef                                                                                              \
    {                                                                                                               \
        #member, static_cast<unsigned>(offsetof(Record, member)),                                                   \
            static_cast<unsigned>(sizeof(std::declval<Record&>().member)), 0, 0, true                               \
    }
// The low `n` bits of the member's word; its other bits are not the field's.
#define RECORD_BITS(Record, member, n) RECORD_BITS_AT(Record, member, n, 0)
// `n` bits from bit `at` of the member's word.
#define RECORD_BITS_AT(Record, member, n, at)                                                                       \
    ::record::FieldRef                                                                                              \
    {                                                                                                               \
        #member, static_cast<unsigned>(offsetof(Record, member)),                                                   \
            static_cast<unsigned>(sizeof(std::declval<Record&>().member)), n, at                                    \
    }

// The byte at an offset, for a field that is one of a run of bytes counted from a member (an output's flag).
constexpr FieldRef ByteAt(unsigned offset)
{
    return {nullptr, offset, 1};
}

// The value of a field in a record's bytes: a bit field's bits, a signed field sign-extended from its width.
long ReadField(const BYTE* record, const FieldRef& field);
// Writes the value into the field; a bit field keeps the word's other bits.
void WriteField(BYTE* record, const FieldRef& field, long value);

struct FieldInfo {
    FieldRef field;
    Scale scale = Scale::Plain;
    long low = 0;                    // stored value of the lowest valid value
    long high = 0;                   // stored value of the highest valid value
    long replacement = 0;            // stored value the repair puts in; inside the range
    Repair repair = Repair::None;
    std::span<const BYTE> codes {};  // a field with a value list: its codes; empty for a plain range
    unsigned count = 1;              // elements of an array the row stands for
    unsigned stride = 0;             // bytes from one element to the next
    Place place {};                  // where the field is stored (see RecordCodec.h); not given for fields the
                                     // codec describes by a row of its own or by hand
    unsigned storedStride = 0;       // stored bytes from one element's place to the next (byte, bit, word places)

    // The same row for count elements, stride bytes apart.
    constexpr FieldInfo Each(unsigned n, unsigned step) const
    {
        FieldInfo row = *this;
        row.count = n;
        row.stride = step;
        return row;
    }
    // The same row stored at p, the elements of an array storedStep stored bytes apart.
    constexpr FieldInfo At(Place p, unsigned storedStep = 0) const
    {
        FieldInfo row = *this;
        row.place = p;
        row.storedStride = storedStep;
        return row;
    }
};

// A field that CParaCheck repairs through RepairRanges.
constexpr FieldInfo Ranged(FieldRef f, Scale scale, long low, long high, long replacement)
{
    return {f, scale, low, high, replacement, Repair::Range};
}
// A field with a range whose repair depends on other fields (hand code).
constexpr FieldInfo ByHand(FieldRef f, Scale scale, long low, long high, long replacement)
{
    return {f, scale, low, high, replacement, Repair::Hand};
}
// A field that is never repaired; forms accept low..high.
constexpr FieldInfo Unrepaired(FieldRef f, Scale scale, long low, long high)
{
    return {f, scale, low, high, low, Repair::None};
}
// A field with a list of codes (a combo's values); its range runs from the smallest to the largest code.
constexpr FieldInfo Listed(FieldRef f, std::span<const BYTE> codes, long replacement, Repair repair)
{
    long low = 255;
    long high = 0;
    for (BYTE c : codes) {
        low = c < low ? c : low;
        high = c > high ? c : high;
    }
    return {f, Scale::Plain, low, high, replacement, repair, codes};
}
// A 0/1 flag (a check box); never repaired by the table.
constexpr FieldInfo Flag(FieldRef f) { return {f, Scale::Plain, 0, 1, 0, Repair::None}; }

// The value of a stored number in the order of the scale (degrees for a temperature byte, the signed value of a
// difference byte or a signed field).
long ScaleOrder(const FieldInfo& info, long stored);
// Whether a stored value lies inside the row's range.
bool InRange(const FieldInfo& info, long stored);

// ReadField and WriteField of element `element` of the row's field; a 4-byte field of a signed scale reads as
// int32.
long ReadStored(const BYTE* record, const FieldInfo& info, unsigned element = 0);
void WriteStored(BYTE* record, const FieldInfo& info, long value, unsigned element = 0);

// Every element of the row outside its range becomes the replacement, whatever the row's Repair.
void RepairField(BYTE* record, const FieldInfo& info);
// RepairField for every Repair::Range row of the table, in table order.
void RepairRanges(BYTE* record, std::span<const FieldInfo> table);

// The row of the table whose field begins at offset; null when none does.
const FieldInfo* FindField(std::span<const FieldInfo> table, unsigned offset);

// The row of the table whose field begins at offset, found when the program is compiled; a table without that row
// does not compile. For those that name a table's row rather than describe the field again:
//
//     doc::ValueRow(1, "DIFF.ON:", record::RowAt(record::kKuehlfuncFields, offsetof(KuehlfuncParam, diffOn)), ...)
consteval const FieldInfo* RowAt(std::span<const FieldInfo> table, unsigned offset)
{
    for (const FieldInfo& row : table)
        if (row.field.offset == offset)
            return &row;
    throw "the field table has no row at that offset";
}

template <class Record>
void RepairRanges(Record& r, std::span<const FieldInfo> table)
{
    static_assert(!std::is_pointer_v<Record> && std::is_standard_layout_v<Record>);
    RepairRanges(reinterpret_cast<BYTE*>(&r), table);
}

// Applies the table row of one member (found by offset) whatever its Repair: for hand code that applies a field's
// own range only under a condition of other fields.
template <class Record>
void RepairField(Record& r, std::span<const FieldInfo> table, unsigned offset)
{
    if (const FieldInfo* info = FindField(table, offset))
        RepairField(reinterpret_cast<BYTE*>(&r), *info);
}

// The offset of the member at that address inside r.
template <class Record, class Member>
unsigned OffsetIn(const Record& r, const Member* member)
{
    return static_cast<unsigned>(reinterpret_cast<const BYTE*>(member) - reinterpret_cast<const BYTE*>(&r));
}

// The same for the member at that address inside r: RepairField(r, table, &r.setpoint.number).
template <class Record, class Member>
void RepairField(Record& r, std::span<const FieldInfo> table, const Member* member)
{
    RepairField(r, table, OffsetIn(r, member));
}

// Whether the member at that address inside r lies inside its row's range (true when the table has no row).
template <class Record, class Member>
bool FieldInRange(const Record& r, std::span<const FieldInfo> table, const Member* member)
{
    const FieldInfo* info = FindField(table, OffsetIn(r, member));
    return !info || InRange(*info, ReadStored(reinterpret_cast<const BYTE*>(&r), *info));
}

// Outside lo..hi (unsigned) becomes the replacement: the one helper for repairs whose bounds depend on other
// fields and so cannot stand in a table.
inline void Range(BYTE& value, BYTE lo, BYTE hi, BYTE replacement)
{
    if (value < lo || value > hi)
        value = replacement;
}

}  // namespace record
